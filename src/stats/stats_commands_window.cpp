// Connects the menu entries of this subsystem to its windows: the range
// dialog and the one result window that every statistic is drawn in.
#include <QPointer>

#include "app/main_window.h"
#include "stats/range_dialog.h"
#include "stats/result_window.h"
#include "stats/statistic_codes.h"

namespace zw {
namespace {

class StatsCommands : public QObject {
public:
    explicit StatsCommands(MainWindow& window) : QObject(&window), window_(window) {
        connect(&window, &MainWindow::display_changed, this, [this] {
            if (result_) result_->redraw_statistic();
        });
    }

    void open(int code) { result().open_statistic(code); }
    void gap_average() { result().open_gap_average(false); }

    void choose_range() {
        if (range_ && range_->isVisible()) {
            range_->raise();
            return;
        }
        auto* dialog = new RangeDialog(window_.session(), help(), &window_);
        range_ = dialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        connect(dialog, &RangeDialog::range_chosen, this, [this] {
            if (result_ && result_->isVisible()) result_->redraw_statistic();
        });
        dialog->show();
    }

private:
    ResultWindow::HelpFunction help() {
        return [this](const QString& topic) { window_.show_help(topic); };
    }

    ResultWindow& result() {
        if (!result_) {
            result_ = new ResultWindow(window_.session(), window_.ui(), help(), &window_);
            window_.add_secondary_window(result_);
        }
        return *result_;
    }

    MainWindow& window_;
    QPointer<ResultWindow> result_;
    QPointer<RangeDialog> range_;
};

}  // namespace

void install_stats_commands(MainWindow& window) {
    auto* c = new StatsCommands(window);
    window.set_command(24, [c] { c->choose_range(); });
    window.set_command(38, [c] { c->gap_average(); });
    const std::pair<int, int> charts[] = {
        {26, kStatFrequency},        {27, kStatGaps},          {28, kStatOverview},
        {61, kStatTwinFrequency},    {62, kStatTwinGaps},      {63, kStatTwinOverview},
        {67, kStatTripletFrequency}, {68, kStatTripletGaps},   {69, kStatTripletOverview},
        {64, kStatEvenOdd},          {71, kStatLowHigh},       {66, kStatProbability},
    };
    for (auto [id, code] : charts) window.set_command(id, [c, code = code] { c->open(code); });
}

}  // namespace zw
