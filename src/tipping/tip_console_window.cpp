#include "tipping/tip_console_window.h"

#include <QApplication>
#include <QScreen>
#include <memory>

#include "cardindex/balance.h"
#include "cardindex/play_period.h"
#include "cardindex/ticket_card.h"
#include "cardindex/tip_transfer_dialog.h"
#include "evaluation/evaluation_dialog.h"
#include "session/session.h"
#include "tipping/console_dialog.h"
#include "tipping/expected_return.h"
#include "tipping/power_tip_window.h"
#include "tipping/row_generator_window.h"
#include "tipping/slip_print_dialog.h"
#include "tipping/ticket_picture_widget.h"
#include "tipping/ticket_price.h"
#include "ui/host.h"
#include "ui/text.h"

namespace zw {
namespace {

// The ticket numbers last fetched or kept, per card index, while the program runs.
struct CardCursor {
    int normal = 0;
    int system = 0;
    int& of(CardKind kind) { return kind == CardKind::Normal ? normal : system; }
};

CardKind kind_of(const Session& s) { return s.ticket.system_mode ? CardKind::System : CardKind::Normal; }

// A ticket that can be stored: complete rows or boxes, as the evaluation would take it.
bool storable(Host& host) {
    Session& s = host.session();
    EvaluationTicket e;
    if (Status st = to_evaluation_ticket(s.ticket, s.ticket_options, s.params, s.bundesland(), e); !st) {
        host.ui().message(host.parent_widget(), kWarning, q(st.message()), 1,
                          QStringLiteral("&OK"));
        return false;
    }
    return true;
}

// The console's ticket as a card, its stake the price the console shows for it.
CardTicket priced_card(const Session& s) {
    CardTicket card = to_card(s.ticket, s.ticket_options, s.params);
    card.stake = card_amount(ticket_price(s.ticket, s.ticket_options, s.params, s.money, s.bundesland()).total);
    return card;
}

void fill_from_import(Session& s, const ImportResult& rows) {
    s.ticket.clear_rows();
    const int shown = std::min(s.ticket.visible_rows(), static_cast<int>(rows.rows.size()));
    for (int r = 0; r < shown; ++r) s.ticket.set_row(r, rows.rows[static_cast<size_t>(r)]);
}

// Shows the changed ticket; with a slot, the console's cursor moves there first.
using Redraw = std::function<void(std::optional<int> cursor)>;

// The commands of both console variants; `parent` asks the questions, `redraw`
// shows the changed ticket.
ConsoleActions card_actions(Host& host, QWidget* parent, Redraw redraw) {
    ConsoleActions a;
    a.import_rows = [&host, parent, redraw] {
        Session& s = host.session();
        if (const auto rows = import_tip(parent, host.ui(), s)) {
            fill_from_import(s, *rows);
            redraw(0);
        }
    };
    // "P&ower-Tipp" (normal tickets only): the rows found replace the ticket's rows.
    a.power_tip = [&host, parent, redraw] {
        Session& s = host.session();
        if (s.ticket.system_mode) return;
        open_power_tip_window(
            parent, s, host.ui(), s.ticket.seven_by_seven,
            [&host](const QString& topic) { host.show_help(topic); },
            [&s, redraw](const PowerTipResult& result) {
                s.ticket.clear_rows();
                for (size_t r = 0; r < result.rows.size(); ++r)
                    s.ticket.set_row(static_cast<int>(r), result.rows[r]);
                redraw(0);
            });
    };
    a.clear_ticket = [&host, parent, redraw] {
        if (!confirm_clear_ticket(parent, host.ui())) return;
        host.session().ticket.clear();
        redraw(0);
    };
    return a;
}

ConsoleActions console_actions(Host& host) {
    auto cursor = std::make_shared<CardCursor>();
    const Redraw redraw = [&host](std::optional<int> slot) {
        if (slot) host.ticket_picture()->select_slot(*slot);
        host.ticket_changed();
    };
    ConsoleActions a = card_actions(host, host.parent_widget(), redraw);
    a.evaluate = [&host] { evaluate_ticket(host); };
    a.random_tip = [&host, redraw] {
        if (const auto slot = open_row_generator(host.parent_widget(), host.session(), host.ui(),
                                                 [&host](const QString& topic) { host.show_help(topic); }))
            redraw(slot);
    };
    a.print = [&host] { open_slip_print(host); };
    a.fetch = [&host, cursor, redraw] {
        Session& s = host.session();
        const CardKind kind = kind_of(s);
        const Ticket saved_ticket = s.ticket;
        const TicketOptions saved_options = s.ticket_options;
        fetch_tip(
            host.parent_widget(), host.ui(), s, kind, cursor->of(kind),
            [&s, kind, redraw](const CardTicket& c) {
                from_card(c, kind, s.params, s.ticket, s.ticket_options);
                redraw(std::nullopt);
            },
            [&s, saved_ticket, saved_options, redraw] {
                s.ticket = saved_ticket;
                s.ticket_options = saved_options;
                redraw(std::nullopt);
            });
    };
    a.keep = [&host, cursor] {
        Session& s = host.session();
        if (!storable(host)) return;
        CardTicket card = priced_card(s);
        card.first_draw = static_cast<int16_t>(next_card_draw(s.archive));
        keep_tip(host.parent_widget(), host.ui(), s, kind_of(s), card, cursor->of(kind_of(s)));
    };
    a.online = [&host] {
        Session& s = host.session();
        if (!storable(host)) return;
        online_tip(host.parent_widget(), host.ui(), s,
                   to_card(s.ticket, s.ticket_options, s.params));
    };
    a.import_rows = [inner = a.import_rows, &host] {
        if (!host.session().ticket.system_mode) inner();
    };
    return a;
}

// The console sits below the main window when the screen has room, else over
// its lower right corner.
void place_console(Host& host, ConsoleDialog& console) {
    console.adjustSize();
    const QWidget& window = *host.parent_widget();
    const QRect frame = window.frameGeometry();
    QRect avail = window.screen() ? window.screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    int x = std::clamp(frame.left(), avail.left(), std::max(avail.left(), avail.right() - console.width()));
    int y = frame.bottom() + 4;
    if (y + console.height() > avail.bottom()) y = std::max(avail.top(), frame.bottom() - console.height() - 8);
    console.move(x, y);
}

}  // namespace

void evaluate_ticket(Host& host) {
    Session& s = host.session();
    EvaluationTicket ticket;
    if (Status st = to_evaluation_ticket(s.ticket, s.ticket_options, s.params, s.bundesland(), ticket); !st) {
        host.ui().message(host.parent_widget(), kWarning, q(st.message()), 1,
                          QStringLiteral("&OK"));
        return;
    }
    open_evaluation_dialog(host, ticket);
    host.ticket_changed();
}

// A German ticket without a lottery number still plays some Superzahl: the
// expectation is the same for every digit.
QString expected_return_of_ticket(Session& s) {
    EvaluationTicket ticket;
    if (!to_evaluation_ticket(s.ticket, s.ticket_options, s.params, s.bundesland(), ticket)) return QString();
    if (s.params.german_lotto && ticket.super_number < 0) ticket.super_number = 0;
    return q(expected_return_line(s.params, s.money, s.partial_systems, ticket));
}

void open_console(Host& host) {
    auto* console = host.parent_widget()->findChild<ConsoleDialog*>(QStringLiteral("Dlg_11"));
    if (!console) {
        console = new ConsoleDialog(host.session(), host.ui(), console_actions(host),
                                    host.parent_widget());
        QObject::connect(host.ticket_picture(), &TicketPictureWidget::finished, console,
                         &QWidget::close);
        QObject::connect(host.ticket_picture(), &TicketPictureWidget::changed, console,
                         &ConsoleDialog::refresh_buttons);
        host.on_display_changed(console, [console] { console->refresh_buttons(); });
        place_console(host, *console);
    }
    console->refresh_buttons();
    console->show();
    console->raise();
    host.ticket_picture()->setFocus();
}

std::optional<CardTicket> edit_card_in_console(Host& host, const CardTicket& card, CardKind kind,
                                               int number) {
    Session& s = host.session();
    const Ticket saved_ticket = s.ticket;
    const TicketOptions saved_options = s.ticket_options;
    s.ticket.system_mode = kind == CardKind::System;
    from_card(card, kind, s.params, s.ticket, s.ticket_options);
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : host.parent_widget();
    std::optional<CardTicket> edited;
    {
        CardConsoleDialog* d = nullptr;
        ConsoleActions actions = card_actions(host, parent, [&d](std::optional<int> slot) {
            if (!d) return;
            if (slot) d->picture()->select_slot(*slot);
            d->picture()->update();
        });
        CardConsoleDialog dialog(s, host.ui(), number, std::move(actions), parent);
        d = &dialog;
        dialog.picture()->set_extra_line([&s] { return expected_return_of_ticket(s); });
        if (dialog.exec() == QDialog::Accepted) edited = priced_card(s);
    }
    s.ticket = saved_ticket;
    s.ticket_options = saved_options;
    host.ticket_changed();
    return edited;
}

}  // namespace zw
