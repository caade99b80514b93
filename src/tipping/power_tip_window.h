// The power-tip window ("POWER-TIPP:"): the weighting matrix of the selected
// game with frequencies, colours, TOP 12 lists and legend, and the commands
// " _Berechne ", " _Sichern ", " _Reseten ", " _Inverte ", " _Löschung ",
// " _Abbruch ". Clicking a cell raises its weight. The weights are the
// session's; only " _Sichern " writes them to matrix.par.
#pragma once

#include <QDialog>
#include <functional>

#include "session/session.h"
#include "tipping/power_tip.h"
#include "tipping/power_tip_painter.h"
#include "ui/ui_services.h"

class QPushButton;

namespace zw {

class PowerTipGrid;

class PowerTipWindow : public QDialog {
    Q_OBJECT
public:
    // `apply` receives the rows of a successful " _Berechne " (the window
    // closes then); `show_help` opens a help topic.
    PowerTipWindow(Session& session, UiServices& ui, bool seven_by_seven,
                   std::function<void(const QString&)> show_help,
                   std::function<void(const PowerTipResult&)> apply, QWidget* parent = nullptr);

    // A click on a cell: its weight one step up (4 wraps to 0).
    void cell_clicked(int cell);
    void cmd_berechne();
    void cmd_sichern();
    void cmd_reseten();
    void cmd_inverte();
    void cmd_loeschung();

    const PowerTipPicture& picture() const { return picture_; }
    QWidget* grid() const;
    // Where `cell` lies in grid() coordinates.
    QRect cell_rect(int cell) const { return PowerTipPainter::cell_rect(cell, picture_); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* add_button(const char* name, const char* text, void (PowerTipWindow::*slot)());
    void take_weights();

    Session& session_;
    UiServices& ui_;
    bool seven_by_seven_;
    std::function<void(const QString&)> show_help_;
    std::function<void(const PowerTipResult&)> apply_;
    PowerTipPicture picture_;
    PowerTipGrid* grid_ = nullptr;
    QPushButton* berechne_ = nullptr;
};

// The console's "P&ower-Tipp": opens the window modally over `parent`.
void open_power_tip_window(QWidget* parent, Session& s, UiServices& ui, bool seven_by_seven,
                           std::function<void(QString)> show_help,
                           std::function<void(const PowerTipResult&)> apply);

}  // namespace zw
