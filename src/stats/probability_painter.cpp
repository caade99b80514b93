#include "stats/probability_painter.h"

#include <QPainterPath>
#include <QPolygon>
#include <cmath>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kEarlierBall = 9;   // "bisher gezogene Lottozahl"
constexpr int kCurrentBall = 12;  // "derzeit gezogene Lottozahl"
constexpr int kCurveColour = 2;

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

}  // namespace

bool ProbabilityPainter::mouse_moved(QPoint pos) {
    const QString text = qs(probability_info(m_.view, pos.x(), pos.y()));
    if (text == info_) return false;
    info_ = text;
    return true;
}

void ProbabilityPainter::paint_balls(QPainter& p, const std::vector<ProbabilityBall>& balls) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double r = std::max(m_.view.k / 3.0, 2.0);
    for (const auto& b : balls) {
        p.setPen(palette_colour(b.current ? 4 : 1));
        p.setBrush(palette_colour(b.current ? kCurrentBall : kEarlierBall));
        p.drawEllipse(QPointF(b.x, b.y), r, r);
    }
    p.restore();
}

void ProbabilityPainter::paint_legend(QPainter& p) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(note_font());
    const int x = 880;
    int y = 38;
    for (auto [colour, text] : {std::pair{kEarlierBall, "bisher gezogene Lottozahl"},
                                std::pair{kCurrentBall, "derzeit gezogene Lottozahl"}}) {
        p.setPen(palette_colour(colour == kCurrentBall ? 4 : 1));
        p.setBrush(palette_colour(colour));
        p.drawEllipse(QPointF(x + 4, y + 7), 4, 4);
        p.setPen(palette_colour(0));
        text_at(p, x + 14, y, QString::fromUtf8(text));
        y += 16;
    }
    y += 4;
    for (const char* line : {"Sie erhalten eine Info, wenn", "der Mauszeiger auf eine der",
                             "Kugeln gerichtet ist."}) {
        text_at(p, x, y, QString::fromUtf8(line));
        y += 14;
    }
    p.restore();
}

void ProbabilityPainter::paint(QPainter& p) const {
    const ProbabilityView& v = m_.view;
    p.save();
    paint_frame(p, size());
    paint_step_buttons(p);
    paint_heading(p, m_.heading);
    p.setPen(palette_colour(8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(2, 33, kProbabilityWidth - 5, 192));
    p.drawRect(QRect(2, 251, kProbabilityWidth - 5, 196));

    p.setPen(palette_colour(0));
    p.setFont(note_font());
    text_at(p, 8, 36,
            QStringLiteral("Häufigkeitsverteilung mit Mittelwert und Standardabweichung gemäß "
                           "der Glockenkurve nach Gauß"));
    text_at(p, 8, 254,
            m_.plus ? QStringLiteral("Darstellung der Rückstandsverteilung der PLUS-Zahlen mit Mittelwert")
                    : QStringLiteral("Darstellung der Rückstandsverteilung der Gewinnzahlen mit Mittelwert"));
    text_at(p, 8, 56, fixed(v.mean, 1) + QStringLiteral(" mittlere Häufigkeit"));
    text_at(p, 8, 72, fixed(v.sd, 1) + QStringLiteral(" Standardabweichung"));

    // Axes under the ball stacks.
    r_line(p, 6, kFrequencyBase + v.k / 2 + 1, kProbabilityWidth - 7, kFrequencyBase + v.k / 2 + 1, 8);
    r_line(p, 6, kGapBase + v.k / 2 + 1, kProbabilityWidth - 7, kGapBase + v.k / 2 + 1, 8);

    // Bell curve (none when every number is equally frequent: no spread to draw).
    const auto curve = bell_curve(v);
    if (!curve.empty()) {
        QPolygon poly;
        for (auto [x, y] : curve) poly << QPoint(x, y);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(palette_colour(kCurveColour), 2));
        p.drawPolyline(poly);
        p.restore();
    }
    p.setPen(QPen(palette_colour(0), 1, Qt::SolidLine));
    p.drawLine(v.mean_x(), kFrequencyBase, v.mean_x(), 60);
    p.setPen(QPen(palette_colour(0), 1, Qt::DashLine));
    for (int side : {-1, 1}) {
        const int x = v.mean_x() + side * v.sd_offset();
        p.drawLine(x, kFrequencyBase, x, 128);
    }
    p.setPen(palette_colour(0));
    p.setFont(small_font());
    text_at(p, v.mean_x() + 3, 52, QStringLiteral("Ø="));
    text_at(p, v.mean_x() + v.sd_offset() + 3, 120, QStringLiteral("S="));
    text_at(p, v.mean_x() - v.sd_offset() - 17, 120, QStringLiteral("S="));

    paint_balls(p, v.frequency_balls);
    paint_balls(p, v.gap_balls);

    const int gx = v.mean_gap_x();
    p.setPen(QPen(palette_colour(0), 1, Qt::SolidLine));
    p.drawLine(gx, kGapBase, gx, 332);
    p.setFont(note_font());
    text_at(p, gx + 4, 320, fixed(v.mean_gap, 2) + QStringLiteral(" mittlerer Rückstand"));

    paint_legend(p);
    if (!info_.isEmpty()) {
        p.setPen(palette_colour(0));
        p.setFont(small_font());
        text_at(p, 70, 454, info_);
    }
    p.restore();
}

}  // namespace zw
