// Connects the menu entries of this subsystem to its windows: the best and
// worst list (48/58 "&Berechnen", 49/59 "&Anzeigen"). The evaluation is opened
// by the tip console and menu entry 47 with the ticket in progress
// (open_evaluation_dialog).
#include <QApplication>
#include <optional>

#include "app/main_window.h"
#include "evaluation/backtest_console_dialog.h"
#include "evaluation/best_list_window.h"
#include "evaluation/evaluation_dialog.h"

namespace zw {
namespace {

// The last list of each kind; it stays until the next search of that kind.
class BacktestCommands : public QObject {
public:
    explicit BacktestCommands(MainWindow& window) : QObject(&window), window_(window) {}

    void compute(ListKind kind) {
        Session& s = window_.session();
        const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
        const auto draws = eval_draws(s.archive, s.params, s.range.first, s.range.last);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const double per_row = calibrate_row_time(draws, s.params.highest_number, rule_set_for(s.params.code));
        QApplication::restoreOverrideCursor();
        BacktestConsoleDialog console(kind, s.params, s.archive, s.range, per_row, &window_);
        if (console.exec() != QDialog::Accepted) return;
        const NumberList numbers = console.number_list();
        BestListWindow list_window(make_list(kind, numbers, {}, in), window_.ui(), &window_);
        list_window.setWindowModality(Qt::ApplicationModal);
        list_window.show();
        stored(kind) = list_window.run_search(numbers, in);
        show_dialog(list_window, *stored(kind));
    }

    void show(ListKind kind) {
        Session& s = window_.session();
        if (!stored(kind)) {
            const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
            stored(kind) = make_list(kind, NumberList{}, {}, in);
        }
        BestListWindow list_window(*stored(kind), window_.ui(), &window_);
        list_window.setWindowModality(Qt::ApplicationModal);
        list_window.show();
        show_dialog(list_window, *stored(kind));
    }

private:
    std::optional<BacktestList>& stored(ListKind kind) { return kind == ListKind::Best ? best_ : worst_; }

    void show_dialog(BestListWindow& list_window, const BacktestList& list) {
        ListDialog dialog(list, window_.ui(), QString::fromStdString(window_.session().data_folder().string()),
                          &list_window);
        // Below the list, beside the number list, so that the 30 lines stay readable.
        dialog.adjustSize();
        dialog.move(list_window.mapToGlobal(QPoint(list_window.width() - dialog.width() - 10,
                                                   list_window.height() - dialog.height() - 30)));
        dialog.exec();
        list_window.close();
    }

    MainWindow& window_;
    std::optional<BacktestList> best_, worst_;
};

}  // namespace

void install_evaluation_commands(MainWindow& window) {
    auto* c = new BacktestCommands(window);
    window.set_command(48, [c] { c->compute(ListKind::Best); });
    window.set_command(49, [c] { c->show(ListKind::Best); });
    window.set_command(58, [c] { c->compute(ListKind::Worst); });
    window.set_command(59, [c] { c->show(ListKind::Worst); });
}

void open_evaluation_dialog(MainWindow& window, const EvaluationTicket& ticket) {
    Session& s = window.session();
    if (Status st = validate_ticket(ticket, s.params, s.partial_systems); !st) {
        window.ui().message(&window, kWarning, QString::fromStdString(st.message()), 1, QStringLiteral("&OK"));
        return;
    }
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    EvaluationDialog dialog(in, ticket, window.ui(), [&window](const QString& topic) { window.show_help(topic); },
                            &window);
    dialog.exec();
}

}  // namespace zw
