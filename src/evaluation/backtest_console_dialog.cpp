#include "evaluation/backtest_console_dialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "archive/draw_archive.h"
#include "evaluation/backtest_list.h"
#include "stats/frequencies.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kColumns = 7;
constexpr int kGuideX = 460;
constexpr int kGuideStep = 14;

QString two(int v) { return QStringLiteral("%1").arg(v, 2); }

}  // namespace

BacktestConsoleDialog::BacktestConsoleDialog(ListKind kind, const GameParams& params, const DrawArchive& archive,
                                             const DrawRange& range, double seconds_per_row, QWidget* parent)
    : QDialog(parent), params_(params), seconds_per_row_(seconds_per_row), highest_(params.highest_number) {
    setObjectName(QStringLiteral("backtest_console"));
    setWindowTitle(kind == ListKind::Best ? QStringLiteral("Bestenliste: Reihengenerator")
                                          : QStringLiteral("Nietenliste: Reihengenerator"));
    setFixedSize(640, 400);

    // Guide columns and the last draw of the range.
    const DrawSource source(archive, params);
    StatTables tables;
    if (range.count > 0) {
        compute_frequencies(source, range, tables);
        compute_gaps(source, range.last, tables);
    }
    const DisplayOrder by_frequency = order_for_display(tables.main_frequency, highest_);
    const DisplayOrder by_gap = order_for_display(tables.main_gap, highest_);
    for (int i = 0; i < 16; ++i) {
        frequent_[static_cast<size_t>(i)] = by_frequency[static_cast<size_t>(i + 1)];
        absent_[static_cast<size_t>(i)] = by_gap[static_cast<size_t>(i + 1)];
    }
    if (range.last >= 1 && range.last <= source.limit()) {
        const DrawNumbers d = source.numbers(range.last);
        QStringList six;
        for (int k = 0; k < 6; ++k) six << two(d[k]);
        const int extra = params.austria ? d[6] : displayed_extra(params, range.last, d[6]);
        last_draw_ = six.join(QLatin1Char(' ')) + QStringLiteral(" (%1)").arg(extra);
    }

    const std::pair<const char*, int> buttons[] = {
        {"   &OK   ", 0}, {"&Inverter", 1}, {"&Löschung", 2}, {"&Abbruch", 3}};
    for (const auto& [text, i] : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd_console%1").arg(i));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(80 + i * 120, 350, 100, 28);
        connect(b, &QPushButton::clicked, this, [this, i = i] {
            switch (i) {
                case 0: try_accept(); break;
                case 1: invert(); break;
                case 2: clear_all(); break;
                default: reject(); break;
            }
        });
    }
}

int BacktestConsoleDialog::count(const std::array<bool, 64>& set) const {
    return static_cast<int>(std::count(set.begin(), set.begin() + highest_ + 1, true));
}

std::vector<int> BacktestConsoleDialog::bankers() const {
    std::vector<int> out;
    for (int v = 1; v <= highest_; ++v)
        if (banker_[static_cast<size_t>(v)]) out.push_back(v);
    return out;
}

std::vector<int> BacktestConsoleDialog::tips() const {
    std::vector<int> out;
    for (int v = 1; v <= highest_; ++v)
        if (tip_[static_cast<size_t>(v)]) out.push_back(v);
    return out;
}

NumberList BacktestConsoleDialog::number_list() const {
    NumberList list;
    if (!make_number_list(bankers(), tips(), highest_, list)) return {};
    return list;
}

void BacktestConsoleDialog::toggle_banker(int number) {
    if (number < 1 || number > highest_ || tip_[static_cast<size_t>(number)]) return;
    banker_[static_cast<size_t>(number)] = !banker_[static_cast<size_t>(number)];
    update();
}

void BacktestConsoleDialog::toggle_tip(int number) {
    if (number < 1 || number > highest_ || banker_[static_cast<size_t>(number)]) return;
    tip_[static_cast<size_t>(number)] = !tip_[static_cast<size_t>(number)];
    update();
}

void BacktestConsoleDialog::invert() {
    for (int v = 1; v <= highest_; ++v)
        if (!banker_[static_cast<size_t>(v)]) tip_[static_cast<size_t>(v)] = !tip_[static_cast<size_t>(v)];
    update();
}

void BacktestConsoleDialog::clear_all() {
    banker_.fill(false);
    tip_.fill(false);
    update();
}

bool BacktestConsoleDialog::try_accept() {
    if (count(banker_) + count(tip_) <= 5 || count(banker_) > kMaxBankers) return false;
    accept();
    return true;
}

QString BacktestConsoleDialog::hint_text() const {
    if (count(banker_) > kMaxBankers) return QStringLiteral("BITTE HÖCHSTENS 5 BANKZAHLEN AUSWÄHLEN!");
    return QStringLiteral("BITTE INSGESAMT MEHR ALS 5 ZAHLEN AUSWÄHLEN!");
}

QStringList BacktestConsoleDialog::panel_lines() const {
    const int b = count(banker_), t = count(tip_);
    const int64_t rows = backtest_rows(b, t);
    return {QStringLiteral("Zahlen:         %1/%2").arg(b).arg(t),
            QStringLiteral("Reihen:                  %1").arg(rows),
            QStringLiteral("Rechenzeit: ") +
                QString::fromStdString(duration_text(seconds_per_row_ * static_cast<double>(rows)))};
}

QStringList BacktestConsoleDialog::guide_lines(bool gaps) const {
    QStringList out;
    const auto& numbers = gaps ? absent_ : frequent_;
    for (int i = 0; i < 16; ++i) out << two(i + 1) + QStringLiteral(": ") + two(numbers[static_cast<size_t>(i)]);
    return out;
}

QPoint BacktestConsoleDialog::cell_centre(int number, bool banker) const {
    const int x = (banker ? kBankerX : kTipX) + (number - 1) % kColumns * kCell;
    const int y = kGridY + (number - 1) / kColumns * kCell;
    return {x + kCell / 2, y + kCell / 2};
}

int BacktestConsoleDialog::cell_at(QPoint pos, int grid_x) const {
    const int dx = pos.x() - grid_x, dy = pos.y() - kGridY;
    if (dx < 0 || dy < 0 || dx >= kColumns * kCell) return 0;
    const int number = dy / kCell * kColumns + dx / kCell + 1;
    return number <= highest_ ? number : 0;
}

void BacktestConsoleDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (const int n = cell_at(pos, kBankerX)) toggle_banker(n);
    else if (const int m = cell_at(pos, kTipX)) toggle_tip(m);
    else QDialog::mousePressEvent(event);
}

void BacktestConsoleDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        if (typed_.size() < 3) typed_ += QChar(u'0' + (key - Qt::Key_0));
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        toggle_tip(typed_.toInt());
        typed_.clear();
    } else if (key == Qt::Key_Backspace) {
        typed_.chop(1);
    } else if (key == Qt::Key_I) {
        invert();
    } else if (key == Qt::Key_L) {
        clear_all();
    } else if (key == Qt::Key_O) {
        try_accept();
    } else if (key == Qt::Key_A || key == Qt::Key_Escape) {
        reject();
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    update();
    event->accept();
}

void BacktestConsoleDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette_colour(7));
    QFont bold = ui_font(14);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette_colour(0));
    p.drawText(kBankerX, kGridY - 8, QStringLiteral("BANKZAHLEN"));
    p.drawText(kTipX, kGridY - 8, QStringLiteral("TIPPZAHLEN"));
    p.drawText(kGuideX, kGridY - 22, QStringLiteral("TOP 16"));
    p.drawText(kGuideX + 80, kGridY - 22, QStringLiteral("TOP 16"));
    p.drawText(kGuideX, kGridY - 8, QStringLiteral("HAUF"));
    p.drawText(kGuideX + 80, kGridY - 8, QStringLiteral("RUCK"));

    QFont cell_font = ui_font(14);
    p.setFont(cell_font);
    for (int grid = 0; grid < 2; ++grid) {
        const bool banker = grid == 0;
        const auto& set = banker ? banker_ : tip_;
        for (int v = 1; v <= highest_; ++v) {
            const QPoint c = cell_centre(v, banker);
            const QRect r(c.x() - kCell / 2, c.y() - kCell / 2, kCell, kCell);
            const bool on = set[static_cast<size_t>(v)];
            p.fillRect(r, on ? palette_colour(banker ? 12 : 9) : palette_colour(15));
            p.setPen(palette_colour(8));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(on ? palette_colour(15) : palette_colour(0));
            p.drawText(r, Qt::AlignCenter, QString::number(v));
        }
    }
    p.setPen(palette_colour(0));
    const QStringList frequent = guide_lines(false), absent = guide_lines(true);
    for (int i = 0; i < 16; ++i) {
        p.drawText(kGuideX, kGridY + 12 + i * kGuideStep, frequent[i]);
        p.drawText(kGuideX + 80, kGridY + 12 + i * kGuideStep, absent[i]);
    }
    const int below = kGridY + 7 * kCell + 28;
    p.drawText(kBankerX, below, QStringLiteral("Letzte Ziehung: ") + last_draw_);
    p.setPen(count(banker_) > kMaxBankers ? palette_colour(4) : palette_colour(1));
    p.drawText(kBankerX, below + 22, hint_text());
    p.setPen(palette_colour(0));
    const QStringList panel = panel_lines();
    const QRect box(kBankerX - 6, below + 32, 380, 3 * 16 + 10);
    p.fillRect(box, palette_colour(15));
    p.drawRect(box);
    for (int i = 0; i < panel.size(); ++i) p.drawText(kBankerX, below + 50 + i * 16, panel[i]);
    if (!typed_.isEmpty()) p.drawText(kTipX + kColumns * kCell + 10, kGridY + 14, typed_);
}

}  // namespace zw
