// The Quoten dialog (menu "&Quoten"): the payout quota of every win class of
// the selected game, and for the Austrian game the LottoPlus quotas.
#pragma once

#include <QDialog>
#include <vector>

#include "session/session.h"
#include "tipping/quota_form.h"
#include "ui/ui_services.h"

class QLineEdit;

namespace zw {

class QuotaDialog : public QDialog {
    Q_OBJECT
  public:
    QuotaDialog(Session& session, UiServices& ui, QWidget* parent = nullptr);

    // Enter in a field: every field is read again (decimal comma allowed),
    // rounded to two decimals and rewritten; the focus moves on.
    void Dlg_10_MenuEvent();
    // "&OK": stores every shown field and closes. A field that does not fit
    // the table is reported and the dialog stays open (returns false).
    bool cmd100_Click();
    // "&Abbruch": closes without storing.
    void cmd110_Click();

    // The edit field of id 101..111; nullptr when the game does not show it.
    QLineEdit* field(int id) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Session& session_;
    UiServices& ui_;
    GameCode game_;
    QuotaForm form_;
    std::vector<QLineEdit*> edits_;  // parallel to form_.fields
};

}  // namespace zw
