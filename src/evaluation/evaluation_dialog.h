// The evaluation dialog (`Dlg_4`): the result table of the rows or system
// fields of a ticket over the draw range, the review area `Win_2` with the
// win list, the side-game windows, and the buttons "&OK", "&Drucken",
// "&Hilfe", "&Abbruch".
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

#include "evaluation/evaluation.h"
#include "evaluation/evaluation_painter.h"
#include "ui/ui_services.h"

class QPrinter;

namespace zw {

class Host;
class ReviewWidget;
class SideGameWindow;

class EvaluationDialog : public QDialog {
    Q_OBJECT
public:
    // Evaluates `ticket` (already validated) at once; `show_help` opens a help topic.
    EvaluationDialog(const EvaluationInputs& in, EvaluationTicket ticket, UiServices& ui,
                     std::function<void(const QString&)> show_help, QWidget* parent = nullptr);
    ~EvaluationDialog() override;

    // Buttons cmd333 "&OK", cmd300 "&Drucken", cmd330 "&Hilfe", cmd2 "&Abbruch".
    void ask_and_print();
    void help();

    const EvaluationReport& report() const { return report_; }
    const ResultTablePainter& table() const { return table_; }
    ReviewWidget* review() const { return review_; }
    std::vector<SideGameWindow*> side_windows() const;

    // "Gewinn-Rückblick" and the hard copy of the screen; false on a printer failure.
    bool print_review(QPrinter& printer);
    bool print_screen(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void show_side_windows();

private:
    void build_table();
    void build_side_windows();
    void print(bool review);

    EvaluationInputs in_;
    EvaluationTicket ticket_;
    UiServices& ui_;
    std::function<void(const QString&)> show_help_;
    EvaluationReport report_;
    bool systems_ = false;
    ResultTablePainter table_;
    QStringList review_lines_;
    QWidget* table_view_ = nullptr;
    ReviewWidget* review_ = nullptr;
    std::vector<QPointer<SideGameWindow>> side_;
};

// Opens the evaluation of `ticket` over the session's draw range as a modal
// dialog (the tip console's "&Auswertung"). A ticket that does not fit the
// game is refused with a message.
void open_evaluation_dialog(Host& host, const EvaluationTicket& ticket);

}  // namespace zw
