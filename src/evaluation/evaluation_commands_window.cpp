// Connects the menu entries of this subsystem to its windows. The evaluation
// is opened by the tip console and menu entry 47 with the ticket in progress
// (open_evaluation_dialog).
#include "app/main_window.h"
#include "evaluation/evaluation_dialog.h"

namespace zw {

void install_evaluation_commands(MainWindow& window) {
    (void)window;
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
