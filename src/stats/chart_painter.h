// The painters of the result window share this interface and a few drawing
// routines: frame, heading, "-"/"+" buttons, numbered balls, vertical values.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

#include "stats/chart_model.h"
#include "stats/stat_table_export.h"

namespace zw {

constexpr int kChartWidth = 982;
constexpr int kChartHeight = 474;

class ChartPainter {
public:
    virtual ~ChartPainter() = default;
    virtual QSize size() const { return {kChartWidth, kChartHeight}; }
    virtual void paint(QPainter& p) const = 0;
    // Mouse moved to `pos`; true when the picture changed (information line).
    virtual bool mouse_moved(QPoint pos) {
        (void)pos;
        return false;
    }
    // Whether the "-"/"+" buttons are drawn and answer to the mouse.
    virtual bool has_step_buttons() const { return true; }
    // The chart's values as a table; none for charts without one.
    virtual std::optional<StatTable> table() const { return std::nullopt; }
};

QRect minus_button_rect();
QRect plus_button_rect();

QFont heading_font();  // fixed pitch, 16 pixels
QFont small_font();    // fixed pitch, 12 pixels
QFont note_font();     // proportional, 12 pixels
QFont ball_font();

QString qs(const std::string& s);
// Text with its top left corner at (x, y).
void text_at(QPainter& p, int x, int y, const QString& text);
// Text centred in the column x..x + width - 1 with its top at y.
void text_centred(QPainter& p, int x, int width, int y, const QString& text);

// White chart area under a grey heading strip.
void paint_frame(QPainter& p, QSize size);
void paint_step_buttons(QPainter& p);
// The heading, and the chance-test line under it when the heading has one.
void paint_heading(QPainter& p, const ChartHeading& heading);
// The chance-test line ("Zufallstest: ...") under the heading strip, left of
// the mean at the top right; painters that draw their own heading call it too.
constexpr int kChanceLineX = 8;
constexpr int kChanceLineY = 30;
void paint_chance_line(QPainter& p, const std::string& line);
// A numbered ball 17 pixels wide over the column starting at x.
void paint_ball(QPainter& p, int x, int y, int number, bool marked);
// `value` right-aligned in `digits` characters, one character per 13 pixels
// downwards from y; three digits and more stand turned in that room, read upwards.
void paint_vertical_value(QPainter& p, int x, int y, int value, int digits);
// `value` under a bar hanging down to y: one character per 13 pixels, three
// digits and more turned, read downwards.
void paint_value_below(QPainter& p, int x, int y, int value);
int digit_count(int value);

}  // namespace zw
