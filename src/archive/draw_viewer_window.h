// The draw viewer "frm1": consecutive draws in slip grids, a scroll bar
// through the whole archive (Austria: the combined view with the bonus
// draws), column print and text export.
#pragma once

#include <QDialog>

#include "archive/slip_grid_painter.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace zw {

class Host;
class Session;
class SlipGridWidget;
struct UiServices;

class DrawViewerWindow : public QDialog {
    Q_OBJECT
public:
    DrawViewerWindow(Session& session, UiServices& ui, bool seven_by_seven,
                     QWidget* parent = nullptr);

    // The draw (Austria: the combined-view row) in grid 1.
    int first_shown() const { return shown_; }
    int grid_count() const { return grid_count_; }
    QString caption() const;
    const SlipGridSet& grids() const;

    void scl1_Change(int value);
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();

private:
    void show_from(int first);

    Session& session_;
    UiServices& ui_;
    int grid_count_;
    int shown_ = 0;
    QLabel* caption_ = nullptr;
    SlipGridWidget* grid_widget_ = nullptr;
    QScrollBar* scl1_ = nullptr;
};

// Menu id 19: opens the viewer beside the main window and waits until it closes.
void show_draw_viewer(Host& host);

}  // namespace zw
