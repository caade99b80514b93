// The row generator window ("Zufallsgenerator:"): the number grid with each
// number's frequency, the last draw, the TOP 18 lists, tip and banker modes,
// the prompt and the count of possible rows, the formula generator and the
// filter. "   _OK    " fills the ticket's rows (normal ticket) or one
// partial-system box with random rows from the choice. The choice is the
// session's and is offered again the next time.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "session/session.h"
#include "tipping/number_grid_widget.h"
#include "tipping/row_generator.h"
#include "ui/ui_services.h"

class QLabel;
class QPushButton;

namespace zw {

class RowGeneratorWindow : public QDialog {
    Q_OBJECT
public:
    // `box` is the system box to fill, or -1 for the rows of a normal ticket.
    RowGeneratorWindow(Session& session, UiServices& ui, int box, std::function<void(const QString&)> show_help,
                       QWidget* parent = nullptr);

    void cell_clicked(int cell);
    void set_mode(GeneratorState::Mode mode);
    GeneratorState::Mode mode() const { return mode_; }
    void cmd_ok();
    void cmd_inverter();
    void cmd_loeschung();
    void cmd_formel();
    void cmd_filter();

    NumberGridWidget* grid() const { return grid_; }
    const GeneratorTarget& target() const { return target_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* add_button(const char* name, const char* text, void (RowGeneratorWindow::*slot)());
    // Grid marks, counts, prompt and possible rows after a change of the choice.
    void show_choice();
    bool fill_rows();
    void fill_box();

    Session& session_;
    UiServices& ui_;
    int box_;
    GeneratorTarget target_;
    std::function<void(const QString&)> show_help_;
    GeneratorState::Mode mode_ = GeneratorState::Mode::kTips;
    NumberGridWidget* grid_ = nullptr;
    QPushButton* tips_button_ = nullptr;
    QPushButton* bankers_button_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* tip_count_ = nullptr;
    QLabel* banker_count_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* typed_ = nullptr;
    TypedNumber typed_number_;
};

// The console's "&Zufalls-Tipp": for a normal ticket the generator fills its
// rows; in system mode the first partial-system box that is not complete,
// or the message "Bitte zuerst ein System ankreuzen!". When the ticket changed,
// the slot the console's cursor moves to: the first row, or the filled box.
std::optional<int> open_row_generator(QWidget* parent, Session& s, UiServices& ui, std::function<void(QString)> show_help);

}  // namespace zw
