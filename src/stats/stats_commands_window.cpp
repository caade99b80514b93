// Connects the menu entries of this subsystem to its windows: the range
// dialog and the one result window that every statistic is drawn in.
#include <QPointer>

#include "app/main_window.h"
#include "stats/range_dialog.h"
#include "stats/result_window.h"
#include "stats/statistic_codes.h"
#include "tipping/number_choice_dialog.h"

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

    // Partner statistics: the fixed numbers are chosen first; any other count
    // than the code needs ends the command without a chart.
    void open_partners(int code) {
        const int k = (code - kStatPartnerGaps) / 2 + 1;
        static const char* const kNames[] = {"Paare", "Dreier", "Vierer"};
        const QString title = QString::fromUtf8(code % 2 ? "Rückstand" : "Überblick") +
                              QStringLiteral("-Diagramm der ") + QString::fromLatin1(kNames[k - 1]);
        const QString prompt = QStringLiteral("  BITTE %1 von %2 ZAHLEN AUSWÄHLEN!").arg(k).arg(k + 1);
        const auto chosen = NumberChoiceDialog::choose(window_.session(), title, prompt, &window_);
        if (!chosen || static_cast<int>(chosen->size()) != k) return;
        StatTables& t = result().tables();
        t.fixed_count = k;
        std::copy(chosen->begin(), chosen->end(), t.fixed.begin());
        open(code);
    }

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
    const std::pair<int, int> partners[] = {
        {30, kStatPartnerGaps},          {31, kStatPartnerOverview},
        {33, kStatTriplePartnerGaps},    {34, kStatTriplePartnerOverview},
        {35, kStatQuadruplePartnerGaps}, {36, kStatQuadruplePartnerOverview},
    };
    for (auto [id, code] : partners) window.set_command(id, [c, code = code] { c->open_partners(code); });
    const std::pair<int, int> combinations[] = {
        {32, kStatBestPairs}, {37, kStatBestTriples}, {65, kStatBestQuadruples},
        {74, kStatSmallest},  {75, kStatLargest},     {76, kStatBoundaryPairs},
    };
    for (auto [id, code] : combinations) window.set_command(id, [c, code = code] { c->open(code); });
}

}  // namespace zw
