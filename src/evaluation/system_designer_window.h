// "System-Designer": the player chooses how many numbers to play, the
// guarantee "t bei p", bankers and a time budget; a search on a worker thread
// finds a row set with as few rows as it can, proven by the checker before
// it is shown. The rows, put on the player's numbers, can be exported in the
// row-import format, printed and stored as tickets in the card index.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "evaluation/system_designer.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace zw {

class Host;
class CardIndex;

// Asks whether to save the card index after tickets were stored; `stored`
// says where they went.
using OfferCardSave = std::function<void(QWidget* parent, CardIndex& index, const QString& stored)>;

class SystemDesignerWindow : public QDialog {
    Q_OBJECT
  public:
    SystemDesignerWindow(Host& host, OfferCardSave offer_save, QWidget* parent = nullptr);
    ~SystemDesignerWindow() override;

    // The inputs as the user types them; `numbers` and `bankers` are lists
    // of numbers ("" for the numbers: 1..v).
    void set_request(int v, int t, int p, int seconds, const QString& numbers = {}, const QString& bankers = {});
    // "&Suchen": validates the inputs (German message on a fault) and starts.
    bool search();
    void cancel();
    bool running() const { return running_; }
    const std::optional<Design>& design() const { return design_; }
    // The rows of the design on the player's numbers.
    const std::vector<std::vector<int>>& rows() const { return rows_; }
    QString report() const;

    // "&Exportieren", "&Drucken", "In die &Kartei": false when nothing was done.
    bool export_rows();
    bool print_rows();
    // Returns the number of tickets stored.
    int store_rows();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void finished(std::optional<Design> design);
    void set_running(bool on);
    void stop_worker();
    bool read_numbers(std::vector<int>& numbers, uint64_t& bankers);

    Host& host_;
    OfferCardSave offer_save_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    DesignRequest request_;
    std::vector<int> numbers_;
    std::optional<Design> design_;
    std::vector<std::vector<int>> rows_;
    qint64 started_ms_ = 0;
    QSpinBox* v_ = nullptr;
    QSpinBox* t_ = nullptr;
    QSpinBox* p_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QLineEdit* numbers_edit_ = nullptr;
    QLineEdit* bankers_edit_ = nullptr;
    QPushButton* search_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QPushButton* export_button_ = nullptr;
    QPushButton* print_button_ = nullptr;
    QPushButton* store_button_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* state_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QTimer* clock_ = nullptr;
};

// Menu entry "System-&Designer…".
void open_system_designer(Host& host, OfferCardSave offer_save);

}  // namespace zw
