#include <QFontMetrics>
#include <algorithm>

#include "stats/chart_painter.h"
#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {

QRect minus_button_rect() { return QRect(420, 0, 24, 27); }
QRect plus_button_rect() { return QRect(502, 0, 24, 27); }

QFont heading_font() {
    QFont f = ui_font(14);
    f.setPixelSize(16);
    return f;
}

QFont small_font() { return ui_font(12); }

QFont note_font() {
    QFont f = ui_font(4);
    f.setPixelSize(12);
    f.setWeight(QFont::Normal);
    return f;
}

QFont ball_font() {
    QFont f = ui_font(17);
    f.setPixelSize(10);
    return f;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

void text_at(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

void text_centred(QPainter& p, int x, int width, int y, const QString& text) {
    const int w = p.fontMetrics().horizontalAdvance(text);
    text_at(p, x + (width - w) / 2, y, text);
}

void paint_frame(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), palette_colour(15));
    r_box(p, QRect(0, 0, size.width(), 27), 7, true);
}

void paint_step_buttons(QPainter& p) {
    p.save();
    p.setFont(heading_font());
    p.setPen(palette_colour(0));
    for (auto [rect, text] : {std::pair{minus_button_rect(), "-"}, std::pair{plus_button_rect(), "+"}}) {
        r_box(p, rect, 7, true);
        p.drawText(rect, Qt::AlignCenter, QString::fromLatin1(text));
    }
    p.restore();
}

void paint_heading(QPainter& p, const ChartHeading& h) {
    p.save();
    p.setFont(heading_font());
    p.setPen(palette_colour(0));
    // A long title (partner titles with three numbers) is narrowed to end before the "-" button.
    const int room = minus_button_rect().left() - 2 - h.title_x;
    const int width = p.fontMetrics().horizontalAdvance(qs(h.title));
    if (width > room) {
        QFont f = p.font();
        f.setStretch(std::max(50, 100 * room / width));
        p.setFont(f);
    }
    text_at(p, h.title_x, 4, qs(h.title));
    if (h.date.empty()) {
        text_at(p, 446, 4, QStringLiteral("Keine Ziehungen im Rahmen."));
        p.restore();
        return;
    }
    p.setFont(heading_font());
    text_at(p, 446, 4, qs(draw_number_label(h.range_last)));
    const QString tail = h.overview ? QStringLiteral(" im Überblick:") : QStringLiteral(":");
    text_at(p, 534, 4, QStringLiteral("Ziehung vom ") + qs(h.date) + tail);
    paint_chance_line(p, h.chance);
    p.restore();
}

void paint_chance_line(QPainter& p, const std::string& line) {
    if (line.empty()) return;
    p.save();
    p.setFont(note_font());
    p.setPen(palette_colour(0));
    text_at(p, kChanceLineX, kChanceLineY, qs(line));
    p.restore();
}

void paint_ball(QPainter& p, int x, int y, int number, bool marked) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(palette_colour(marked ? 4 : 8));
    p.setBrush(palette_colour(marked ? 12 : 15));
    const QRect r(x - 1, y, 17, 17);
    p.drawEllipse(r);
    p.setFont(ball_font());
    p.setPen(palette_colour(marked ? 15 : 0));
    p.drawText(r, Qt::AlignCenter, QString::number(number));
    p.restore();
}

int digit_count(int value) {
    int digits = value < 0 ? 2 : 1;
    for (int v = value < 0 ? -value : value; v >= 10; v /= 10) ++digits;
    return digits;
}

void paint_vertical_value(QPainter& p, int x, int y, int value, int digits) {
    const QString text = QString::number(value);
    if (text.size() >= 3) {
        // Digits stacked one under the other cannot be read as a number:
        // longer values stand turned, read upwards from the bar.
        p.save();
        p.translate(x, y + 13 * digits);
        p.rotate(-90);
        p.drawText(QRect(1, 0, 13 * digits - 1, 15), Qt::AlignLeft | Qt::AlignVCenter, text);
        p.restore();
        return;
    }
    const QString shown = text.rightJustified(digits, QLatin1Char(' '));
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i] != QLatin1Char(' ')) text_centred(p, x, 15, y + 13 * i, QString(shown[i]));
}

void paint_value_below(QPainter& p, int x, int y, int value) {
    const QString text = QString::number(value);
    if (text.size() >= 3) {
        p.save();
        p.translate(x + 15, y);
        p.rotate(90);
        p.drawText(QRect(0, 0, 13 * static_cast<int>(text.size()), 15), Qt::AlignLeft | Qt::AlignVCenter, text);
        p.restore();
        return;
    }
    for (int k = 0; k < text.size(); ++k) text_centred(p, x, 15, y + 13 * k, QString(text[k]));
}

}  // namespace zw
