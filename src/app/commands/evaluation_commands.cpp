// Connects the menu entries of this subsystem to its windows: the best and
// worst list (48/58 "&Berechnen", 49/59 "&Anzeigen"). The evaluation is opened
// by the tip console and menu entry 47 with the ticket in progress
// (open_evaluation_dialog). 91 and 92 open the system checker and designer.
#include <QApplication>
#include <optional>

#include "app/commands/commands.h"
#include "cardindex/tip_transfer_dialog.h"
#include "evaluation/backtest_console_dialog.h"
#include "evaluation/best_list_window.h"
#include "evaluation/evaluation_dialog.h"
#include "evaluation/system_checker_window.h"
#include "evaluation/system_designer_window.h"
#include "session/session.h"
#include "ui/help_key.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

// The last list of each kind; it stays until the next search of that kind.
class BacktestCommands : public QObject {
  public:
    explicit BacktestCommands(Host& host) : QObject(host.parent_widget()), host_(host) {}

    void compute(ListKind kind) {
        Session& s = host_.session();
        const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
        const auto draws = eval_draws(s.archive, s.params, s.range.first, s.range.last);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const double per_row =
            calibrate_row_time(draws, s.params.highest_number, rule_set_for(s.params.code));
        QApplication::restoreOverrideCursor();
        BacktestConsoleDialog console(kind, s.params, s.archive, s.range, per_row,
                                      host_.parent_widget());
        add_help_key(&console, [this] { host_.show_help(QStringLiteral("info.htm")); });
        if (console.exec() != QDialog::Accepted) return;
        const NumberList numbers = console.number_list();
        BestListWindow list_window(make_list(kind, numbers, {}, in), host_.ui(),
                                   host_.parent_widget());
        list_window.setWindowModality(Qt::ApplicationModal);
        list_window.show();
        stored(kind) = list_window.run_search(numbers, in);
        show_dialog(list_window, *stored(kind));
    }

    void show(ListKind kind) {
        Session& s = host_.session();
        if (!stored(kind)) {
            const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
            stored(kind) = make_list(kind, NumberList{}, {}, in);
        }
        BestListWindow list_window(*stored(kind), host_.ui(), host_.parent_widget());
        list_window.setWindowModality(Qt::ApplicationModal);
        list_window.show();
        show_dialog(list_window, *stored(kind));
    }

  private:
    std::optional<BacktestList>& stored(ListKind kind) {
        return kind == ListKind::Best ? best_ : worst_;
    }

    void show_dialog(BestListWindow& list_window, const BacktestList& list) {
        ListDialog dialog(list, host_.ui(),
                          QString::fromStdString(host_.session().data_folder().string()),
                          &list_window);
        // Below the list, beside the number list, so that the 30 lines stay readable.
        dialog.adjustSize();
        dialog.move(list_window.mapToGlobal(QPoint(list_window.width() - dialog.width() - 10,
                                                   list_window.height() - dialog.height() - 30)));
        dialog.exec();
        list_window.close();
    }

    Host& host_;
    std::optional<BacktestList> best_, worst_;
};

}  // namespace

void install_evaluation_commands(Host& host, CommandTable& table) {
    auto* c = new BacktestCommands(host);
    table.set_command(Command::BestListCompute, [c] { c->compute(ListKind::Best); });
    table.set_command(Command::BestListShow, [c] { c->show(ListKind::Best); });
    table.set_command(Command::WorstListCompute, [c] { c->compute(ListKind::Worst); });
    table.set_command(Command::WorstListShow, [c] { c->show(ListKind::Worst); });
    table.set_command(Command::SystemChecker, [&host] { open_system_checker(host); });
    table.set_command(Command::SystemDesigner, [&host] {
        open_system_designer(host, [&host](QWidget* parent, CardIndex& index, const QString& stored) {
            offer_card_save(parent, host.ui(), host.session(), index, stored);
        });
    });
}

}  // namespace zw
