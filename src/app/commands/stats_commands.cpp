// Connects the menu entries of this subsystem to its windows: the range
// dialog and the one result window that every statistic is drawn in.
#include <QPointer>

#include "app/commands/commands.h"
#include "session/session.h"
#include "stats/range_dialog.h"
#include "stats/result_window.h"
#include "stats/statistic_codes.h"
#include "tipping/number_choice_dialog.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

class StatsCommands : public QObject {
  public:
    explicit StatsCommands(Host& host) : QObject(host.parent_widget()), host_(host) {
        host.on_display_changed(this, [this] {
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
        const QString prompt =
            QStringLiteral("  BITTE %1 von %2 ZAHLEN AUSWÄHLEN!").arg(k).arg(k + 1);
        const auto chosen =
            NumberChoiceDialog::choose(host_.session(), title, prompt, host_.parent_widget());
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
        auto* dialog = new RangeDialog(host_.session(), help(), host_.parent_widget());
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
        return [this](const QString& topic) { host_.show_help(topic); };
    }

    ResultWindow& result() {
        if (!result_) {
            result_ = new ResultWindow(host_.session(), host_.ui(), help(), host_.parent_widget());
            host_.add_secondary_window(result_);
        }
        return *result_;
    }

    Host& host_;
    QPointer<ResultWindow> result_;
    QPointer<RangeDialog> range_;
};

}  // namespace

void install_stats_commands(Host& host, CommandTable& table) {
    auto* c = new StatsCommands(host);
    table.set_command(Command::SetRange, [c] { c->choose_range(); });
    table.set_command(Command::Averages, [c] { c->gap_average(); });
    const std::pair<Command, int> charts[] = {
        {Command::Frequency, kStatFrequency},
        {Command::Gaps, kStatGaps},
        {Command::Overview, kStatOverview},
        {Command::TwinFrequency, kStatTwinFrequency},
        {Command::TwinGaps, kStatTwinGaps},
        {Command::TwinOverview, kStatTwinOverview},
        {Command::TripletFrequency, kStatTripletFrequency},
        {Command::TripletGaps, kStatTripletGaps},
        {Command::TripletOverview, kStatTripletOverview},
        {Command::EvenOdd, kStatEvenOdd},
        {Command::LowHigh, kStatLowHigh},
        {Command::Observations, kStatProbability},
    };
    for (auto [id, code] : charts) table.set_command(id, [c, code = code] { c->open(code); });
    const std::pair<Command, int> partners[] = {
        {Command::PairGaps, kStatPartnerGaps},
        {Command::PairOverview, kStatPartnerOverview},
        {Command::TripleGaps, kStatTriplePartnerGaps},
        {Command::TripleOverview, kStatTriplePartnerOverview},
        {Command::QuadGaps, kStatQuadruplePartnerGaps},
        {Command::QuadOverview, kStatQuadruplePartnerOverview},
    };
    for (auto [id, code] : partners)
        table.set_command(id, [c, code = code] { c->open_partners(code); });
    const std::pair<Command, int> combinations[] = {
        {Command::PairBest, kStatBestPairs},      {Command::TripleBest, kStatBestTriples},
        {Command::QuadBest, kStatBestQuadruples}, {Command::Smallest, kStatSmallest},
        {Command::Largest, kStatLargest},         {Command::BoundaryPairs, kStatBoundaryPairs},
    };
    for (auto [id, code] : combinations) table.set_command(id, [c, code = code] { c->open(code); });
}

}  // namespace zw
