// "System-Prüfer": what the rows of the ticket in progress, of a stored card
// or of an imported TXT/CSV file guarantee over the numbers they use, proven
// by walking every possible draw among them. The walk runs on a worker thread
// that the window can stop ("&Abbrechen").
#pragma once

#include <QDialog>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "evaluation/system_checker.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace zw {

class Host;
class Session;

// The report of a proven row set: rows and numbers, per p = 3..6 the
// guarantee and the hit distribution of the best row, the counting bound and
// the best published size for the same guarantee.
QStringList system_check_lines(const SystemCheck& check, const std::vector<int>& numbers);

// The rows of the ticket in progress: its complete rows, or in system mode the
// rows of every box with a system (partial systems from the answer file).
std::vector<std::vector<int>> ticket_system_rows(const Session& session);
// The rows of stored ticket `number` (1-based) of a card index; empty when none.
std::vector<std::vector<int>> card_system_rows(const Session& session, bool system_card, int number);

// The lower part both system windows share: progress bar, state line and the
// read-only report.
struct RunPane {
    QProgressBar* progress = nullptr;
    QLabel* state = nullptr;
    QPlainTextEdit* text = nullptr;
};
RunPane add_run_pane(QWidget* owner, QVBoxLayout* layout, const QString& progress_name);
// A button of the window's button row (no auto-default: Enter stays in the fields).
QPushButton* add_dialog_button(QWidget* owner, QHBoxLayout* row, const QString& text,
                               const QString& name);

// Runs the checker on a thread; `done` is queued to `receiver`'s thread.
class CheckRunner {
  public:
    ~CheckRunner();
    void start(std::vector<uint64_t> masks, int v, QObject* receiver, std::function<void(double)> progress,
               std::function<void(SystemCheck)> done);
    void cancel() { cancel_ = true; }
    bool running() const { return running_; }
    // Waits for a running walk to end (after cancel()).
    void join();

  private:
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
};

class SystemCheckerWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SystemCheckerWindow(Host& host, QWidget* parent = nullptr);
    ~SystemCheckerWindow() override;

    // Sources of "Reihen aus:": 0 the ticket in progress, 1 the NRM card
    // index, 2 the SYS card index, 3 a TXT/CSV file.
    void set_source(int source, int card_number = 1);
    // "&Prüfen": reads the rows of the source and starts the walk; false when
    // there is nothing to check (the reason was shown).
    bool check();
    // Checks the given rows (the file and card sources end here).
    bool check_rows(const std::vector<std::vector<int>>& rows);
    void cancel();
    bool running() const { return runner_.running(); }
    const std::optional<SystemCheck>& result() const { return result_; }
    QString report() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void finished(const SystemCheck& check);
    void set_running(bool on);
    std::optional<std::vector<std::vector<int>>> rows_of_source();

    Host& host_;
    CheckRunner runner_;
    std::vector<int> numbers_;
    std::string price_;
    std::optional<SystemCheck> result_;
    QComboBox* source_ = nullptr;
    QSpinBox* card_ = nullptr;
    QPushButton* check_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* state_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

// Menu entry "System-&Prüfer…".
void open_system_checker(Host& host);

}  // namespace zw
