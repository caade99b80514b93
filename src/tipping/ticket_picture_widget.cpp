#include "tipping/ticket_picture_widget.h"

#include <array>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "cardindex/tip_transfer_dialog.h"
#include "games/partial_guarantees.h"
#include "games/system_catalogue.h"
#include "session/session.h"
#include "tipping/ticket.h"
#include "tipping/ticket_number_dialog.h"
#include "tipping/ticket_picture_painter.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {

TicketSpeech ticket_speech(const Ticket& t, int current) {
    auto list = [](const auto& numbers) {
        QStringList out;
        for (int n : numbers)
            if (n) out << QString::number(n);
        return out.isEmpty() ? QStringLiteral("keine Zahl angekreuzt")
                             : QStringLiteral("angekreuzt: ") + out.join(QStringLiteral(", "));
    };
    auto lucky = [](int k) { return k ? QStringLiteral(", Glückszahl %1").arg(k) : QString(); };
    TicketSpeech s;
    if (t.system_mode) {
        const SystemBox& b = t.box(current);
        s.name = QStringLiteral("System-Schein, Feld %1").arg(current + 1);
        s.description = (b.has_system() ? QStringLiteral("System mit %1 Zahlen, ").arg(b.numbers)
                                        : QStringLiteral("kein System gewählt, ")) +
                        list(b.ticked) + lucky(b.lucky);
    } else {
        const TipRow& r = t.row(current);
        s.name = QStringLiteral("Tippschein, Reihe %1").arg(current + 1);
        s.description = list(std::array<int, 6>{r[0], r[1], r[2], r[3], r[4], r[5]}) +
                        (t.swiss() ? lucky(r[6]) : QString()) +
                        (t.row_count() == 1 ? QStringLiteral("; 1 vollständige Reihe")
                                            : QStringLiteral("; %1 vollständige Reihen").arg(t.row_count()));
    }
    return s;
}

TicketPictureWidget::TicketPictureWidget(Session& session, UiServices& ui, QWidget* parent)
    : QWidget(parent), session_(session), ui_(ui) {
    setObjectName(QStringLiteral("ticket_picture"));
    setFocusPolicy(Qt::StrongFocus);
    speak();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TicketLayout TicketPictureWidget::layout() const {
    const Ticket& t = session_.ticket;
    return TicketLayout(session_.params, t.system_mode, t.seven_by_seven);
}

QSize TicketPictureWidget::slip_size() const {
    const TicketLayout l = layout();
    return {l.width(), l.height()};
}

double TicketPictureWidget::scale() const {
    const QSize s = slip_size();
    return std::min({1.0, width() / double(s.width()), height() / double(s.height())});
}

QPoint TicketPictureWidget::to_widget(int x, int y) const {
    const double s = scale();
    return {static_cast<int>(x * s + 0.5), static_cast<int>(y * s + 0.5)};
}

void TicketPictureWidget::speak() {
    const TicketSpeech s = ticket_speech(session_.ticket, current_slot());
    if (s.name != accessibleName()) setAccessibleName(s.name);
    if (s.description != accessibleDescription()) setAccessibleDescription(s.description);
}

void TicketPictureWidget::paintEvent(QPaintEvent*) {
    speak();  // the ticket may have changed from outside: every change repaints
    QPainter p(this);
    const double s = scale();
    const TicketLayout l = layout();
    TicketPictureInput in{session_.params, session_.ticket, session_.ticket_options, session_.money,
                          session_.bundesland(), slot_in(l), typed_, extra_line()};
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("%1/%2/%3/%4/%5x%6@%7")
                            .arg(session_.params.code)
                            .arg(session_.ticket.system_mode)
                            .arg(session_.ticket.seven_by_seven)
                            .arg(in.bundesland)
                            .arg(width())
                            .arg(height())
                            .arg(ratio);
    if (key != background_key_) {
        background_ = QPixmap(size() * ratio);
        background_.setDevicePixelRatio(ratio);
        background_.fill(Qt::white);
        QPainter bg(&background_);
        bg.scale(s, s);
        in.layer = PictureLayer::kBackground;
        TicketPicturePainter().paint(bg, l, in);
        background_key_ = key;
    }
    p.drawPixmap(0, 0, background_);
    p.scale(s, s);
    in.layer = PictureLayer::kForeground;
    TicketPicturePainter().paint(p, l, in);
}

void TicketPictureWidget::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const double s = scale();
    const QPointF pos = event->position() / s;
    int button = 1;
    if (event->button() == Qt::RightButton) button = 2;
    else if (event->button() == Qt::MiddleButton) button = 3;
    click(static_cast<int>(pos.x()), static_cast<int>(pos.y()), button);
}

void TicketPictureWidget::click(int x, int y, int button) {
    if (button == 3) {
        emit finished();
        return;
    }
    typed_.clear();
    const Hit h = layout().hit(x, y);
    switch (h.kind) {
        case HitKind::kNumber:
            select_slot(h.slot);
            tick_number(h.slot, h.number, button == 1);
            break;
        case HitKind::kFullSystem:
        case HitKind::kPartialSystem:
            select_slot(h.slot);
            if (button == 2) session_.ticket.clear_system(h.slot);
            else if (h.kind == HitKind::kFullSystem) choose_full_system(h.slot);
            else choose_partial_system(h.slot);
            break;
        case HitKind::kOption:
            if (button == 1) click_option(h.option);
            break;
        case HitKind::kNone:
            if (h.slot >= 0) select_slot(h.slot);
            break;
    }
    refresh();
}

int TicketPictureWidget::slot_in(const TicketLayout& l) const {
    return current_ >= 0 && current_ < static_cast<int>(l.fields().size()) ? current_ : 0;
}

int TicketPictureWidget::current_slot() const { return slot_in(layout()); }

void TicketPictureWidget::select_slot(int slot) { current_ = slot; }

void TicketPictureWidget::tick_number(int slot, int number, bool add) {
    Ticket& t = session_.ticket;
    const bool lucky = t.swiss() && number > kLuckyCellBase;
    const int k = number - kLuckyCellBase;
    bool done = false;
    if (t.system_mode) {
        if (lucky) done = t.set_box_lucky(slot, add ? k : 0);
        else done = add ? t.tick_box(slot, number) : t.untick_box(slot, number);
    } else {
        if (lucky) done = t.set_lucky(slot, add ? k : 0);
        else done = add ? t.tick(slot, number) : t.untick(slot, number);
    }
    if (!done && add) QApplication::beep();
}

void TicketPictureWidget::choose_full_system(int box) {
    const GameCode game = session_.params.code;
    const int bl = session_.bundesland();
    const int item = ui_.popup_list(this, q(full_system_list(game, bl)), QCursor::pos());
    if (const int n = full_system_choice(game, bl, item); n > 0) session_.ticket.set_full_system(box, n);
}

void TicketPictureWidget::choose_partial_system(int box) {
    const GameCode game = session_.params.code;
    const int bl = session_.bundesland();
    // Each item names the system's proven guarantee after its price.
    QStringList items;
    for (const PartialListItem& it : partial_system_items(game, bl)) {
        const std::string g = guarantee_label(it.partial_index);
        items << q(it.text) + (g.empty() ? QString() : QStringLiteral("   ") + q(g));
    }
    const int item = ui_.popup_list(this, items.join(QLatin1Char('|')), QCursor::pos());
    if (item < 0) return;
    const PartialChoice c = partial_system_choice(game, bl, item);
    if (!c.message.empty()) ui_.message(this, kWarning, q(c.message), 1, QStringLiteral("&OK"));
    if (c.chosen) session_.ticket.set_partial_system(box, c.stored_index, c.numbers);
}

void TicketPictureWidget::click_option(const OptionField& field) {
    TicketOptions& o = session_.ticket_options;
    const OptionFollowUp next = apply_option(o, field, session_.params, session_.ticket.system_mode);
    switch (next) {
        case OptionFollowUp::kNone: break;
        case OptionFollowUp::kAskSiegerChance: {
            SiegerChanceDialog d(o.siegerchance, this);
            if (d.exec() == QDialog::Accepted) o.siegerchance = d.chosen();
            break;
        }
        case OptionFollowUp::kLotteryDialog:
        case OptionFollowUp::kJokerDialog:
        case OptionFollowUp::kSuperDialog: {
            const auto kind = next == OptionFollowUp::kLotteryDialog ? TicketNumberDialog::Kind::kLotteryNumber
                              : next == OptionFollowUp::kJokerDialog  ? TicketNumberDialog::Kind::kJokers
                                                                      : TicketNumberDialog::Kind::kSuperNumber;
            TicketNumberDialog d(kind, o, session_.params, ui_, this);
            if (d.exec() == QDialog::Accepted) o = d.options();
            break;
        }
    }
}

void TicketPictureWidget::finish_typed_number() {
    const int n = typed_.toInt();
    typed_.clear();
    Ticket& t = session_.ticket;
    if (n < 1 || n > session_.params.highest_number) {
        QApplication::beep();
        return;
    }
    const int slot = current_slot();
    tick_number(slot, n, true);
    // A full row passes the typing on to the next row.
    if (!t.system_mode && t.row_size(slot) == 6 && slot + 1 < t.visible_rows()) select_slot(slot + 1);
}

void TicketPictureWidget::type_key(int key, const QString& text) {
    Ticket& t = session_.ticket;
    const QChar c = text.isEmpty() ? QChar() : text.at(0);
    if (c.isDigit()) {
        typed_ += c;
        const int highest = session_.params.highest_number;
        if (typed_.size() >= 2 || typed_.toInt() * 10 > highest) finish_typed_number();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (!typed_.isEmpty()) finish_typed_number();
    } else if (key == Qt::Key_F1) {
        if (help_) help_(QStringLiteral("tippschein.htm"));
        return;
    } else if (key == Qt::Key_Backspace) {
        if (!typed_.isEmpty()) typed_.chop(1);
        else if (t.system_mode) t.backspace_box(current_slot());
        else t.backspace(current_slot());
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        typed_.clear();
        if (const int slot = current_slot(); slot > 0) select_slot(slot - 1);
    } else if (key == Qt::Key_Right || key == Qt::Key_Down) {
        typed_.clear();
        const TicketLayout l = layout();
        if (const int slot = slot_in(l); slot + 1 < static_cast<int>(l.fields().size())) select_slot(slot + 1);
    } else if (c == QLatin1Char('L') || c == QLatin1Char('l')) {
        step_duration(session_.ticket_options, session_.params);
    } else if (c == QLatin1Char('C') || c == QLatin1Char('c')) {
        ask_clear();
    } else if (c.isLetter() && c.unicode() < 128) {
        TicketOptions& o = session_.ticket_options;
        const auto next = apply_option_key(o, static_cast<char>(c.unicode()), session_.params, t.system_mode);
        if (next == OptionFollowUp::kAskSiegerChance) {
            SiegerChanceDialog d(o.siegerchance, this);
            if (d.exec() == QDialog::Accepted) o.siegerchance = d.chosen();
        }
        if (!next) return;
    } else {
        return;
    }
    refresh();
}

void TicketPictureWidget::keyPressEvent(QKeyEvent* event) {
    type_key(event->key(), event->text());
    event->accept();
}

void TicketPictureWidget::ask_clear() {
    if (!confirm_clear_ticket(this, ui_)) return;
    session_.ticket.clear();
    typed_.clear();
    select_slot(0);
    refresh();
}

void TicketPictureWidget::refresh() {
    speak();
    update();
    emit changed();
}

}  // namespace zw
