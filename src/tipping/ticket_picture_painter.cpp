#include "tipping/ticket_picture_painter.h"

#include <QPainter>

#include "evaluation/evaluation_format.h"
#include "games/game_catalogue.h"
#include "games/system_catalogue.h"
#include "tipping/ticket.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_price.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
namespace {

QRect r(const PixelRect& x) { return {x.x, x.y, x.w, x.h}; }

// The printing colour of each game's slip and a light tint of it for the fields.
struct SlipColours {
    QColor ink;
    QColor tint;
};
SlipColours slip_colours(const GameParams& p) {
    if (p.code == kToto) return {QColor(0x1f, 0x7a, 0x3a), QColor(0xe8, 0xf5, 0xea)};
    if (p.austria) return {QColor(0x1d, 0x4f, 0x9c), QColor(0xe7, 0xee, 0xfa)};
    if (p.swiss) return {QColor(0xb0, 0x1c, 0x48), QColor(0xfb, 0xe9, 0xee)};
    return {QColor(0xd2, 0x32, 0x1e), QColor(0xfd, 0xec, 0xe6)};
}

QFont sans(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
QFont mono(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The pen's cross over a ticked cell.
void cross(QPainter& p, const QRect& c) {
    p.save();
    p.setPen(QPen(QColor(0x10, 0x20, 0x90), 2, Qt::SolidLine, Qt::RoundCap));
    const QRect i = c.adjusted(2, 2, -2, -2);
    p.drawLine(i.topLeft(), i.bottomRight());
    p.drawLine(i.topRight(), i.bottomLeft());
    p.restore();
}

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char(' ')); }

QString money_text(int64_t cents, const std::string& currency) {
    return q(cents_text(cents)) + QLatin1Char(' ') + q(currency);
}

// The system a box carries, as its label shows it ("Voll-System 010", "Teil-System 10/30").
QString box_system_text(const SystemBox& b, const GameParams& params, int bundesland) {
    if (b.full) return QStringLiteral("Voll-System %1").arg(b.numbers, 3, 10, QLatin1Char('0'));
    if (!b.partial) return QString();
    const LabelFamily fam = label_family(params.code, bundesland);
    const QString kind = fam == LabelFamily::kPartial ? QStringLiteral("Teil-System ")
                         : fam == LabelFamily::kVew   ? QStringLiteral("VEW-System ")
                                                      : QStringLiteral("Kurz-System ");
    return kind + q(system_name(fam, b.index));
}

QString box_price(const SystemBox& b, const GameParams& params, int bundesland) {
    std::string_view price;
    if (b.full) price = full_system_price(params.code, b.numbers);
    else if (b.partial) price = partial_system_price(params.code, label_family(params.code, bundesland), b.index);
    if (price.empty()) return QString();
    return q(price) + QLatin1Char(' ') + q(params.currency);
}

}  // namespace

void TicketPicturePainter::paint(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (in.background()) paint_title(p, layout, in);
    paint_fields(p, layout, in);
    if (in.ticket.system_mode) paint_systems(p, layout, in);
    paint_options(p, layout, in);
    if (in.foreground()) paint_panel(p, layout, in);
    p.restore();
}

void TicketPicturePainter::paint_title(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    const SlipColours c = slip_colours(in.params);
    p.fillRect(QRect(0, 0, layout.width(), layout.height()), Qt::white);
    // Title line of the slip.
    p.setPen(c.ink);
    p.setFont(sans(16, true));
    const QString kind = in.ticket.system_mode ? QStringLiteral("System-Schein") : QStringLiteral("Normal-Schein");
    p.drawText(QRect(12, 4, layout.width() - 24, 22), Qt::AlignLeft | Qt::AlignVCenter,
               q(in.params.info().name).toUpper() + QStringLiteral("  ·  ") + kind);
    p.setFont(sans(11));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRect(12, 4, layout.width() - 24, 22), Qt::AlignRight | Qt::AlignVCenter,
               in.ticket.system_mode
                   ? QStringLiteral("Links ankreuzen · rechts entfernen · Mitte fertig · Systemfeld wählt das System")
                   : QStringLiteral("Links ankreuzen · rechts entfernen · Mitte fertig · Ziffern tippen · L Laufzeit · C löschen"));
}

void TicketPicturePainter::paint_fields(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    const SlipColours c = slip_colours(in.params);
    const Ticket& t = in.ticket;
    for (const NumberField& f : layout.fields()) {
        // The background has every field as not current; the foreground marks
        // the current one over it.
        const bool current = f.slot == in.current && in.foreground();
        if (!in.background() && !current) {
            paint_crosses(p, layout, f, in);
            continue;
        }
        const QRect frame = r(f.frame);
        p.setPen(QPen(current ? QColor(0x20, 0x20, 0x20) : c.ink, current ? 2 : 1));
        p.setBrush(in.background() ? QBrush(c.tint) : QBrush(Qt::NoBrush));
        p.drawRoundedRect(frame.adjusted(0, 0, -1, -1), 3, 3);
        // Caption: the row or system number.
        const bool strip_row = f.columns == 49 && !t.system_mode;
        const QRect cap = strip_row ? QRect(frame.x(), frame.y(), 28, frame.height())
                                    : QRect(frame.x(), frame.y(), frame.width(), 15);
        if (current) p.fillRect(cap.adjusted(1, 1, -1, strip_row ? -1 : 0), c.ink);
        p.setPen(current ? Qt::white : c.ink);
        p.setFont(sans(11, true));
        const QString caption = t.system_mode ? QStringLiteral("System %1").arg(f.slot + 1) : QString::number(f.slot + 1);
        if (strip_row)
            p.drawText(cap, Qt::AlignCenter, caption);
        else
            p.drawText(cap.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
        if (in.background()) {
            p.setFont(sans(9));
            for (int n = 1; n <= f.cells; ++n) {
                const QRect cell = r(layout.cell(f, n));
                if (cell.isEmpty()) continue;
                const bool lucky = in.params.swiss && n > kLuckyCellBase;
                p.setPen(QPen(c.ink, 0.6));
                p.setBrush(lucky ? QColor(0xff, 0xf3, 0xb0) : Qt::white);
                p.drawRect(cell.adjusted(1, 1, -1, -1));
                p.setPen(c.ink);
                p.drawText(cell, Qt::AlignCenter, QString::number(lucky ? n - kLuckyCellBase : n));
            }
        }
        if (in.foreground()) paint_crosses(p, layout, f, in);
    }
}

void TicketPicturePainter::paint_crosses(QPainter& p, const TicketLayout& layout, const NumberField& f,
                                         const TicketPictureInput& in) const {
    const Ticket& t = in.ticket;
    const auto ticked = [&](int n) {
        const bool lucky = in.params.swiss && n > kLuckyCellBase;
        if (t.system_mode) {
            const SystemBox& b = t.box(f.slot);
            return lucky ? b.lucky == n - kLuckyCellBase : b.holds(n);
        }
        return lucky ? t.row(f.slot)[6] == n - kLuckyCellBase : t.row_holds(f.slot, n);
    };
    for (int n = 1; n <= f.cells; ++n)
        if (ticked(n)) cross(p, r(layout.cell(f, n)));
}

void TicketPicturePainter::paint_systems(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    const SlipColours c = slip_colours(in.params);
    const LabelFamily fam = label_family(in.params.code, in.bundesland);
    for (int b = 0; b < layout.boxes(); ++b) {
        const SystemBox& box = in.ticket.box(b);
        const QRect full = r(layout.full_area(b));
        const QRect part = r(layout.partial_area(b));
        const QRect label = r(layout.system_label(b));
        p.setFont(sans(10, true));
        for (const auto& [rect, heading, chosen_box] :
             {std::tuple{full, q(kFullSystemHeading).trimmed(), box.full},
              std::tuple{part, q(family_title(fam)), box.partial}}) {
            const bool chosen = chosen_box && in.foreground();
            if (chosen ? !in.foreground() : !in.background()) continue;
            p.setPen(QPen(c.ink, 1));
            p.setBrush(chosen ? c.ink : QColor(Qt::white));
            p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 3, 3);
            p.setPen(chosen ? QColor(Qt::white) : c.ink);
            p.drawText(rect, Qt::AlignCenter, heading + (chosen ? QString() : QStringLiteral(" …")));
        }
        if (!in.foreground()) continue;
        p.setFont(sans(10));
        p.setPen(QColor(0x20, 0x20, 0x20));
        QString text = QStringLiteral("kein System");
        if (label.width() > 300 && box.has_system()) {
            text = box_system_text(box, in.params, in.bundesland) + QStringLiteral("  ") +
                   box_price(box, in.params, in.bundesland) +
                   QStringLiteral("   %1 von %2 Zahlen").arg(box.ticked.size()).arg(box.numbers);
        } else if (box.has_system()) {
            // The narrow label: the system's short name and its price.
            const QString name = box.full ? QStringLiteral("%1").arg(box.numbers, 3, 10, QLatin1Char('0'))
                                          : q(system_name(fam, box.index));
            text = name + QStringLiteral(": ") + box_price(box, in.params, in.bundesland);
        }
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void TicketPicturePainter::paint_options(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    const SlipColours c = slip_colours(in.params);
    if (in.background()) {
        const QRect area = r(layout.option_area());
        p.setPen(QPen(c.ink, 1));
        p.setBrush(c.tint);
        p.drawRoundedRect(area.adjusted(0, 0, -1, -1), 4, 4);
        p.setFont(sans(11, true));
        p.setPen(c.ink);
        for (const OptionCaption& cap : layout.captions()) p.drawText(QPoint(cap.x, cap.y), q(cap.text));
    }
    const TicketOptions& o = in.options;
    for (const OptionSpot& s : layout.options()) {
        const QRect box = r(s.rect);
        const bool number_field =
            s.field.kind == OptionKind::kLotteryNumber || s.field.kind == OptionKind::kSuperNumber;
        if (in.background()) {
            p.setPen(QPen(c.ink, 1));
            p.setBrush(Qt::white);
            p.drawRect(box);
            p.setFont(sans(10));
            p.setPen(c.ink);
            if (s.label_beside)
                p.drawText(QPoint(box.right() + 4, box.bottom() - 1), q(s.label));
            else if (!s.label.empty())
                p.drawText(QRect(box.x() - 6, box.y() + box.height(), box.width() + 12, 12), Qt::AlignCenter,
                           q(s.label));
        }
        if (!in.foreground()) continue;
        if (number_field) {
            p.setFont(mono(12, true));
            p.setPen(QColor(0x10, 0x20, 0x90));
            QString text;
            if (s.field.kind == OptionKind::kSuperNumber)
                text = o.lottery_number > 0 ? QString::number(o.super_number) : QString();
            else if (in.params.austria)
                text = o.joker_numbers[0].empty() ? QString() : q(o.joker_numbers[0]);
            else if (o.lottery_number > 0)
                text = q(lottery_number_preset(o, in.params));
            p.drawText(box, Qt::AlignCenter, text);
        } else if (option_chosen(s.field, o, in.params)) {
            cross(p, box);
        }
    }
}

void TicketPicturePainter::paint_panel(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const {
    const Ticket& t = in.ticket;
    const QRect panel = r(layout.panel());
    const std::string& cur = in.params.currency;
    const TicketPrice price = ticket_price(t, in.options, in.params, in.money, in.bundesland);
    // Under the option area's captions when the slip leaves no panel (49 x 1 system mode).
    const QRect list = panel;
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(sans(12, true));
    int y = list.y() + 12;
    if (!panel.isEmpty()) {
        p.drawText(QPoint(list.x(), y), t.system_mode ? QStringLiteral("Systeme:") : QStringLiteral("Tippreihen:"));
        y += 6;
        p.setFont(mono(11));
        if (!t.system_mode) {
            for (int row = 0; row < t.visible_rows(); ++row) {
                y += 13;
                QString line = QStringLiteral("%1:").arg(row + 1, 2, 10, QLatin1Char('0'));
                const int size = t.row_size(row);
                for (int i = 0; i < size; ++i) line += QLatin1Char(' ') + two(t.row(row)[static_cast<size_t>(i)]);
                if (size == 0) line += QStringLiteral("  -");
                if (in.params.swiss && t.row(row)[6]) line += QStringLiteral("  G%1").arg(t.row(row)[6]);
                p.setPen(row == in.current ? QColor(0xc0, 0x20, 0x10) : QColor(0x20, 0x20, 0x20));
                p.drawText(QPoint(list.x(), y), line);
            }
        } else {
            for (int b = 0; b < kSystemBoxCount; ++b) {
                const SystemBox& box = t.box(b);
                y += 13;
                p.setPen(b == in.current ? QColor(0xc0, 0x20, 0x10) : QColor(0x20, 0x20, 0x20));
                p.drawText(QPoint(list.x(), y),
                           QStringLiteral("%1: ").arg(b + 1) +
                               (box.has_system() ? box_system_text(box, in.params, in.bundesland)
                                                 : QStringLiteral("-")));
                if (!box.has_system()) continue;
                QString nums;
                for (uint8_t n : box.ticked) nums += two(n) + QLatin1Char(' ');
                if (in.params.swiss && box.lucky) nums += QStringLiteral(" G%1").arg(box.lucky);
                const QRect numbers_rect(list.x() + 20, y + 2, list.width() - 20, 26);
                p.drawText(numbers_rect, Qt::AlignLeft | Qt::TextWordWrap, nums.trimmed());
                y += 26;
            }
        }
    }
    // The price, in the right part of the option area.
    y = layout.option_area().y + 20;
    p.setPen(QColor(0x20, 0x20, 0x20));
    const int x = layout.width() - 318;
    auto line = [&](const QString& text, bool bold = false) {
        p.setFont(sans(12, bold));
        p.drawText(QPoint(x, y), text);
        y += 17;
    };
    line(QStringLiteral("Reihen: %1    Ziehungen: %2").arg(price.rows).arg(price.draws));
    line(QStringLiteral("Einsatz je Ziehung: ") + money_text(price.per_draw, cur));
    line(QStringLiteral("Bearbeitungsgebühr: ") + money_text(price.fee, cur));
    line(QStringLiteral("Preis des Scheins: ") + money_text(price.total, cur), true);
    if (!in.extra_line.isEmpty()) {
        p.setFont(sans(11));
        p.drawText(QRect(x, y - 10, layout.width() - x - 16, 32), Qt::TextWordWrap, in.extra_line);
        y += 30;
    }
    if (!in.typed.isEmpty()) line(QStringLiteral("Eingabe: ") + in.typed);
}

}  // namespace zw
