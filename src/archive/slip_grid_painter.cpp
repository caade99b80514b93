#include "archive/slip_grid_painter.h"

#include <QPainterPath>
#include <algorithm>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
namespace {

// Palette indices of the slip's colours.
constexpr int kFace = 7;        // window face behind the grids
constexpr int kPaper = 15;      // slip paper
constexpr int kPrint = 12;      // the slip's red print
constexpr int kHeader = 4;      // header band of a grid
constexpr int kEntry = 1;       // header band of the grid being entered
constexpr int kCross = 1;       // crosses and digits written by the player
constexpr int kExtraRing = 2;   // ring around the Zusatzzahl
constexpr int kPlusMark = 5;    // LottoPlus marks
constexpr int kLuckyPaper = 14; // Swiss Glückszahl row

struct Metrics {
    int cell, margin, gap, header, footer, box_w, box_h, ticket_h;
    explicit Metrics(int c)
        : cell(c),
          margin(std::max(2, c / 4)),
          gap(std::max(3, c / 3)),
          header(2 * c + 2),
          footer(c + 4),
          box_w(7 * c + 2 * margin),
          box_h(header + 7 * c + footer + 2 * margin),
          ticket_h(c + 8) {}
};

QFont sized(int code, int pixels, bool bold = false) {
    QFont f = ui_font(code);
    f.setPixelSize(std::max(6, pixels));
    if (bold) f.setWeight(QFont::Bold);
    return f;
}

void draw_cross(QPainter& p, const QRectF& r, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(palette_colour(kCross), width);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    const qreal in = r.width() * 0.16;
    const QRectF c = r.adjusted(in, in, -in, -in);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
    p.restore();
}

void draw_plus(QPainter& p, const QRectF& r, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(palette_colour(kPlusMark), width, Qt::SolidLine, Qt::FlatCap));
    const QPointF c = r.center();
    const qreal h = r.width() * 0.36;
    p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - h), QPointF(c.x(), c.y() + h));
    p.restore();
}

void draw_ring(QPainter& p, const QRectF& r, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(palette_colour(kExtraRing), width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    p.restore();
}

QString extra_caption(const SlipDraw& d) {
    switch (d.extra_kind) {
        case ExtraKind::kZusatzzahl: return QStringLiteral("ZZ %1").arg(d.extra);
        case ExtraKind::kSuperzahl: return QStringLiteral("SZ %1").arg(d.extra);
        case ExtraKind::kGlueckszahl: return QStringLiteral("GZ %1").arg(d.extra);
        case ExtraKind::kNone: break;
    }
    return {};
}

}  // namespace

int SlipGridPainter::cell_size(int grids) {
    if (grids <= 12) return 15;
    return grids <= 14 ? 14 : 12;
}

QSize SlipGridPainter::size_for(int grids, int cell) {
    const Metrics m(cell);
    return {grids * m.box_w + (grids + 1) * m.gap, m.box_h + m.ticket_h + 3 * m.gap};
}

void SlipGridPainter::paint(QPainter& p, const QRect& area, const SlipGridSet& set) const {
    p.save();
    p.fillRect(area, palette_colour(kFace));
    const int n = std::max(1, static_cast<int>(set.grids.size()));
    int cell = 40;
    while (cell > 6) {
        const QSize s = size_for(n, cell);
        if (s.width() <= area.width() && s.height() <= area.height()) break;
        --cell;
    }
    const Metrics m(cell);
    const QSize need = size_for(n, cell);
    const int left = area.left() + std::max(0, (area.width() - need.width()) / 2);
    const int top = area.top() + m.gap;
    for (int k = 0; k < static_cast<int>(set.grids.size()); ++k) {
        const QRect box(left + m.gap + k * (m.box_w + m.gap), top, m.box_w, m.box_h);
        paint_grid(p, box, cell, set, set.grids[static_cast<size_t>(k)], k == set.highlighted);
    }
    const QRect ticket(left + m.gap, top + m.box_h + m.gap, need.width() - 2 * m.gap, m.ticket_h);
    paint_ticket_field(p, ticket, set);
    p.restore();
}

void SlipGridPainter::paint_grid(QPainter& p, const QRect& box, int cell, const SlipGridSet& set,
                                 const SlipDraw& d, bool highlighted) const {
    const Metrics m(cell);
    p.fillRect(box, palette_colour(kPaper));
    p.setPen(QPen(palette_colour(highlighted ? kEntry : kPrint), highlighted ? 2 : 1));
    p.drawRect(box.adjusted(0, 0, -1, -1));

    // Header band: draw number and date.
    const QRect header(box.left() + 1, box.top() + 1, box.width() - 2, m.header - 1);
    if (d.present || highlighted) {
        p.fillRect(header, palette_colour(highlighted ? kEntry : kHeader));
        p.setPen(palette_colour(kPaper));
        p.setFont(sized(17, cell * 9 / 10, true));
        const QString title = d.bonus ? QStringLiteral("Bonus") : QString::number(d.draw);
        p.drawText(QRect(header.left(), header.top(), header.width(), header.height() / 2 + 1),
                   Qt::AlignCenter, title);
        p.setFont(sized(4, cell * 8 / 10));
        QString date = q(d.date);
        if (date.size() == 10) date = date.left(6) + date.right(2);  // dd.mm.yy
        const QString sub = q(d.prefix).trimmed();
        if (!sub.isEmpty()) date += QLatin1Char(' ') + sub;
        p.drawText(QRect(header.left(), header.top() + header.height() / 2, header.width(),
                         header.height() / 2),
                   Qt::AlignCenter, date);
    } else {
        p.fillRect(header, palette_colour(kFace).lighter(108));
    }

    // The number cells as printed on the slip.
    const int gx = box.left() + m.margin;
    const int gy = box.top() + m.header + m.margin;
    const bool swiss = set.game == kSwiss;
    const int printed = swiss ? 48 : set.highest_number;
    const qreal stroke = std::max(1.6, cell / 6.5);
    p.setFont(sized(4, cell * 6 / 10));
    for (int k = 1; k <= printed; ++k) {
        const QRect c(gx + (k - 1) % 7 * cell, gy + (k - 1) / 7 * cell, cell, cell);
        const bool lucky_cell = swiss && k > 42;
        // Each number sits in its own small box, as on the paper slip.
        const QRect frame = c.adjusted(1, 1, -2, -2);
        if (lucky_cell) p.fillRect(frame, palette_colour(kLuckyPaper).lighter(160));
        p.setPen(QPen(palette_colour(kPrint), 0));
        p.drawRect(frame);
        p.setPen(palette_colour(kPrint));
        p.drawText(c, Qt::AlignCenter, QString::number(lucky_cell ? k - 42 : k));
    }
    if (!d.present) return;

    auto cell_rect = [&](int k) {
        return QRectF(gx + (k - 1) % 7 * cell, gy + (k - 1) / 7 * cell, cell, cell);
    };
    for (uint8_t v : d.plus)
        if (v >= 1 && v <= set.highest_number) draw_plus(p, cell_rect(v), stroke * 0.9);
    for (uint8_t v : d.numbers)
        if (v >= 1 && v <= set.highest_number) draw_cross(p, cell_rect(v), stroke);
    if (d.extra_kind == ExtraKind::kZusatzzahl && d.extra >= 1 && d.extra <= set.highest_number)
        draw_ring(p, cell_rect(d.extra), stroke * 0.8);
    if (d.extra_kind == ExtraKind::kGlueckszahl && d.extra >= 1 && d.extra <= 6)
        draw_cross(p, cell_rect(42 + d.extra), stroke);

    // Footer: the extra number in words.
    const QRect footer(box.left(), gy + 7 * cell + 1, box.width(), m.footer);
    p.setPen(palette_colour(d.extra_kind == ExtraKind::kZusatzzahl ? kExtraRing : kCross));
    p.setFont(sized(17, cell * 9 / 10, true));
    p.drawText(footer, Qt::AlignCenter, extra_caption(d));
}

void SlipGridPainter::paint_ticket_field(QPainter& p, const QRect& field,
                                         const SlipGridSet& set) const {
    const bool german = is_german_game(set.game);
    const int digits = german ? 7 : 6;
    const int cell = field.height() - 4;
    p.setFont(sized(17, cell * 7 / 10, true));
    p.setPen(palette_colour(kHeader));
    const QString label = german ? QStringLiteral("Los-Nr. / Spiel 77:") : QStringLiteral("Joker:");
    const int label_w = p.fontMetrics().horizontalAdvance(label) + 8;
    p.drawText(QRect(field.left(), field.top(), label_w, field.height()),
               Qt::AlignVCenter | Qt::AlignLeft, label);
    const QString text = q(set.ticket_number);
    p.setFont(sized(17, cell * 8 / 10, true));
    for (int i = 0; i < digits; ++i) {
        const QRect c(field.left() + label_w + i * cell, field.top() + 2, cell, cell);
        p.fillRect(c, palette_colour(kPaper));
        p.setPen(palette_colour(kPrint));
        p.drawRect(c.adjusted(0, 0, -1, -1));
        if (i < text.size()) {
            p.setPen(palette_colour(kCross));
            p.drawText(c, Qt::AlignCenter, text.mid(i, 1));
        }
    }
}

}  // namespace zw
