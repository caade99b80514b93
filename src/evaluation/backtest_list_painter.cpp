#include "evaluation/backtest_list_painter.h"

#include "evaluation/evaluation_painter.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
namespace {

constexpr int kLeft = 10;

}  // namespace

QFont best_list_font() {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(11);
    return f;
}

QStringList list_heading_lines(const BacktestList& list) {
    QStringList lines;
    lines << q(list_title(list));
    const std::string header = list_column_header(list);
    // "Richtige" stands over the class columns (the Swiss list has none above).
    const bool swiss = rule_set_for(list.game) == RuleSet::Swiss;
    lines << (swiss ? QString() : QString(33, QLatin1Char(' ')) + QStringLiteral("Richtige"));
    lines << q(header);
    return lines;
}

QStringList list_footer_lines(const BacktestList& list) {
    QStringList lines;
    for (const std::string& l : number_list_lines(list.numbers)) lines << q(l);
    lines << QStringLiteral("* = Bankzahl");
    return lines;
}

void BacktestListPainter::paint(QPainter& p, const BacktestList& list,
                                const QString& status) const {
    p.setFont(best_list_font());
    p.setPen(palette_colour(0));
    const QStringList heading = list_heading_lines(list);
    p.drawText(kLeft, 18, heading[0]);
    p.drawText(kLeft, 44, heading[1]);
    p.drawText(kLeft, 57, heading[2]);
    p.drawLine(kLeft, 62, size_hint().width() - kLeft, 62);
    const auto lines = list_lines(list);
    for (size_t i = 0; i < lines.size(); ++i)
        p.drawText(kLeft, kFirstLineY + kLineStep * static_cast<int>(i), q(lines[i]));
    int y = kFirstLineY + kLineStep * static_cast<int>(lines.size()) + 10;
    for (const QString& l : list_footer_lines(list)) {
        p.drawText(kLeft, y, l);
        y += kLineStep;
    }
    if (!status.isEmpty()) {
        p.setPen(palette_colour(4));
        p.drawText(kLeft, size_hint().height() - 12, status);
    }
}

void BacktestListPainter::print(QPainter& p, const QRect& page, const BacktestList& list) {
    p.setFont(print_font());
    const QFontMetrics fm = p.fontMetrics();
    const int step = fm.lineSpacing();
    QStringList lines = list_heading_lines(list);
    lines << QString();
    for (const std::string& l : list_lines(list)) lines << q(l);
    lines << QString();
    lines << list_footer_lines(list);
    int y = page.top() + fm.ascent();
    for (const QString& l : lines) {
        p.drawText(page.left(), y, l);
        y += step;
    }
}

}  // namespace zw
