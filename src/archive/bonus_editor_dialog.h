// The bonus-draw editor "frm6" (Austria): the list "lv2" of the bonus draws
// with an empty row for a new one, the edit boxes of one row, and the
// buttons take (cmd45), save (cmd46), remove the last (cmd47) and close (cmd49).
#pragma once

#include <QDialog>
#include <array>

#include "archive/bonus_editor.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zw {

class Host;
class Session;
struct UiServices;

class BonusEditorDialog : public QDialog {
    Q_OBJECT
public:
    BonusEditorDialog(Session& session, UiServices& ui, QWidget* parent = nullptr);

    const BonusEditor& editor() const { return editor_; }
    int selected_row() const { return selected_; }
    bool changed() const { return changed_; }

    void lv2_ItemClick(int row);
    void cmd45_Click();  // take the row
    void cmd46_Click();  // save
    void cmd47_Click();  // remove the last bonus draw
    void cmd49_Click();  // close

    // Escape and the close box: as cmd49.
    void reject() override;

private:
    void frm6_Load();  // fills the list
    void clear_boxes();
    void fill_boxes(const BonusRowInput& in);
    BonusRowInput boxes() const;
    // Asks to save changes that were not saved; false when the window stays open.
    bool may_close();

    Session& session_;
    UiServices& ui_;
    BonusEditor editor_;
    int selected_ = -1;
    bool changed_ = false;
    QTreeWidget* lv2_ = nullptr;
    QLineEdit* date_ = nullptr;
    std::array<QLineEdit*, 7> numbers_{};
    std::array<QLineEdit*, 6> plus_{};
    QLineEdit* joker_ = nullptr;
};

// Menu id 25: the bonus-draw editor, until it is closed.
void edit_bonus_draws(Host& host);

}  // namespace zw
