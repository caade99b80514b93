// Connects the menu entries of this subsystem to its windows: the settings
// dialogs, the tip console (normal and system tickets) and the evaluation of
// the ticket in progress.
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "app/main_window.h"
#include "evaluation/evaluation_dialog.h"
#include "tipping/console_dialog.h"
#include "tipping/fees_dialog.h"
#include "tipping/quota_dialog.h"
#include "tipping/slip_print_dialog.h"
#include "tipping/ticket_picture_widget.h"
#include "tipping/ticket_price.h"

namespace zw {
namespace {

// "&Auswertung": the ticket in progress, rows or system boxes, with its options.
void evaluate_ticket(MainWindow& window) {
    Session& s = window.session();
    EvaluationTicket ticket;
    if (Status st = to_evaluation_ticket(s.ticket, s.ticket_options, s.params, s.bundesland(), ticket); !st) {
        window.ui().message(&window, kWarning, QString::fromStdString(st.message()), 1, QStringLiteral("&OK"));
        return;
    }
    open_evaluation_dialog(window, ticket);
    window.ticket_picture()->update();
}

// The console sits below the main window when the screen has room, else over
// its lower right corner.
void place_console(MainWindow& window, ConsoleDialog& console) {
    console.adjustSize();
    const QRect frame = window.frameGeometry();
    QRect avail = window.screen() ? window.screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    int x = std::clamp(frame.left(), avail.left(), std::max(avail.left(), avail.right() - console.width()));
    int y = frame.bottom() + 4;
    if (y + console.height() > avail.bottom()) y = std::max(avail.top(), frame.bottom() - console.height() - 8);
    console.move(x, y);
}

void open_console(MainWindow& window) {
    auto* console = window.findChild<ConsoleDialog*>(QStringLiteral("Dlg_11"));
    if (!console) {
        ConsoleActions actions;
        actions.evaluate = [&window] { evaluate_ticket(window); };
        actions.print = [&window] { open_slip_print(window); };
        actions.clear_ticket = [&window] { window.ticket_picture()->ask_clear(); };
        console = new ConsoleDialog(window.session(), window.ui(), std::move(actions), &window);
        QObject::connect(window.ticket_picture(), &TicketPictureWidget::finished, console, &QWidget::close);
        QObject::connect(window.ticket_picture(), &TicketPictureWidget::changed, console,
                         &ConsoleDialog::refresh_buttons);
        QObject::connect(&window, &MainWindow::display_changed, console, &ConsoleDialog::refresh_buttons);
        place_console(window, *console);
    }
    console->refresh_buttons();
    console->show();
    console->raise();
    window.ticket_picture()->setFocus();
}

}  // namespace

void install_tipping_commands(MainWindow& window) {
    // The settings dialogs and the save leave the main display as it is.
    window.set_command(39, [&window] {
        window.set_no_relayout();
        QuotaDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(40, [&window] {
        window.set_no_relayout();
        FeesDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(2, [&window] {
        window.set_no_relayout();
        if (Status s = window.session().save_money_tables(); !s)
            window.ui().message(&window, kWarning, QString::fromStdString(s.message()));
    });
    // The main window switches the mode before it runs these.
    window.set_command(44, [&window] { open_console(window); });
    window.set_command(45, [&window] { open_console(window); });
    window.set_command(47, [&window] { evaluate_ticket(window); });
}

}  // namespace zw
