// The Gebühren dialog (menu "&Gebühren", form gbhr): row stake, the two
// side-game stakes and the processing fees of the selected game.
#pragma once

#include <QDialog>
#include <array>

#include "session/session.h"
#include "ui/ui_services.h"

class QLineEdit;
class QLabel;

namespace zw {

class FeesDialog : public QDialog {
    Q_OBJECT
  public:
    FeesDialog(Session& session, UiServices& ui, QWidget* parent = nullptr);

    // Enter (13) or Tab (9) in field ed1..ed5 (n = 1..5): the amount goes into
    // the fee table at once and the field is rewritten; Enter also moves on.
    // Returns false when the amount was refused (a message; the field shows
    // the stored value).
    bool ed_KeyPress(int n, int key);
    // "&OK": stores all five fields and closes; stays open on a refused amount.
    bool cmd6_Click();
    // "&Abbruch" (also Escape and the close box): closes and puts back the
    // amounts the dialog opened with, also those taken with Enter or Tab.
    void cmd7_Click();
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool store(int n);
    void refused(int n);

    Session& session_;
    UiServices& ui_;
    GameCode game_;
    std::array<QLineEdit*, 5> edits_{};
    std::array<int16_t, 5> opened_{};
};

}  // namespace zw
