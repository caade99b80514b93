// The draw entry "frm3": the slip grids with the entry draw in the last grid,
// the seven number fields typed from the keyboard, the side-game boxes and
// the command buttons S, D, X, L, H, U and the arrows "-" and "+".
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "archive/draw_entry.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace zw {

class LottoPlusWidget;
class Host;
class Session;
class SideGamesWidget;
class SlipGridWidget;
struct UiServices;

class DrawEntryDialog : public QDialog {
    Q_OBJECT
public:
    DrawEntryDialog(Session& session, UiServices& ui, bool seven_by_seven,
                    QWidget* parent = nullptr);

    // Shows a help topic (the main window's help).
    std::function<void(const QString&)> show_help;
    // Fetches draw E from a result page into the entry ("U"; greyed without
    // it), polling `cancelled` while it waits. True when the German side boxes
    // were filled too: the entry then moves on to the next draw once the
    // fetched draw is stored.
    using FetchDraw = std::function<bool(DrawEntry&, const std::function<bool()>& cancelled)>;
    FetchDraw fetch_draw;
    // Sets fetch_draw and shows "U" enabled where a fetch is offered.
    void set_fetch_draw(FetchDraw fetch);
    // True while a fetch waits for its answer: the entry shows
    // "Wird abgerufen …" and takes no key but "Abbrechen" (or Escape).
    bool fetching() const { return fetching_; }
    void cancel_fetch();

    DrawEntry& entry() { return entry_; }
    int beeps() const { return beeps_; }
    const SlipGridWidget* grid_widget() const { return grids_; }

    // One key of the entry (digits, RETURN, Backspace, "+", "-", S, X, A, L, D, H, U).
    void handle_key(int key, const QString& text);

    void cmd32_Click();  // S
    void cmd33_Click();  // D
    void cmd34_Click();  // X
    void cmd37_Click();  // L
    void cmd38_Click();  // H
    void cmd50_Click();  // U
    // The close box ends the entry like "X".
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void after_step(EntryStep step);
    void plus_key();
    void minus_key();
    void finish();
    bool confirm_store();  // the questions before a complete draw is stored
    void beep();
    void load_boxes();  // the side-game boxes from the entry
    void refresh();     // labels, fields, buttons and grids

    Session& session_;
    UiServices& ui_;
    DrawEntry entry_;
    int grid_count_;
    int beeps_ = 0;
    bool finished_ = false;
    bool advance_after_store_ = false;  // set by a complete fetch
    bool fetching_ = false;
    bool fetch_cancelled_ = false;
    int booked_to_ = 0;  // the card indexes have booked the draws up to this one
    SlipGridWidget* grids_ = nullptr;
    QLabel* number_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* mode_ = nullptr;   // "Korrektur der Ziehung N vom …" on a stored draw
    QLabel* fetch_state_ = nullptr;
    QPushButton* abort_ = nullptr;
    std::vector<QWidget*> commands_;  // greyed while a fetch waits
    std::array<QLabel*, DrawEntry::kFields> fields_{};
    QLabel* extra_label_ = nullptr;
    SideGamesWidget* sp77_ = nullptr;
    LottoPlusWidget* lplus_ = nullptr;
    QPushButton* cmd37_ = nullptr;
    QPushButton* cmd50_ = nullptr;
};

// Menu id 21: the draw entry, until "X" or the close box.
void enter_draws(Host& host);

}  // namespace zw
