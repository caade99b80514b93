#include "tipping/number_grid_widget.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include "ui/fonts.h"

namespace zw {

NumberGridWidget::NumberGridWidget(int cells, int columns, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("grid"));
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int n = 1; n <= cells; ++n) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("cell%1").arg(n));
        b->setFixedSize(48, 38);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(ui_font(12));
        connect(b, &QToolButton::clicked, this, [this, n] { emit cell_clicked(n); });
        layout->addWidget(b, (n - 1) / columns, (n - 1) % columns);
        buttons_.push_back(b);
        marks_.push_back(Mark::kNone);
        labels_.push_back(QString::number(n));
        frequencies_.push_back(-1);
        refresh(n);
    }
}

QToolButton* NumberGridWidget::cell(int n) const {
    return n >= 1 && n <= cells() ? buttons_[static_cast<size_t>(n - 1)] : nullptr;
}

void NumberGridWidget::set_frequency(int n, int frequency) {
    if (!cell(n)) return;
    frequencies_[static_cast<size_t>(n - 1)] = frequency;
    refresh(n);
}

void NumberGridWidget::set_label(int n, const QString& label) {
    if (!cell(n)) return;
    labels_[static_cast<size_t>(n - 1)] = label;
    refresh(n);
}

void NumberGridWidget::set_mark(int n, Mark mark) {
    if (!cell(n)) return;
    marks_[static_cast<size_t>(n - 1)] = mark;
    refresh(n);
}

NumberGridWidget::Mark NumberGridWidget::mark(int n) const {
    return cell(n) ? marks_[static_cast<size_t>(n - 1)] : Mark::kNone;
}

void NumberGridWidget::refresh(int n) {
    const auto i = static_cast<size_t>(n - 1);
    QString text = labels_[i];
    if (frequencies_[i] >= 0) text += QStringLiteral("\n(%1)").arg(frequencies_[i]);
    buttons_[i]->setText(text);
    // Tips white on light red, bankers white on light blue, the rest black on white.
    QString style;
    switch (marks_[i]) {
        case Mark::kNone: style = QStringLiteral("color: %1; background: %2;").arg(palette_colour(0).name(), palette_colour(15).name()); break;
        case Mark::kTip: style = QStringLiteral("color: %1; background: %2; font-weight: bold;").arg(palette_colour(15).name(), palette_colour(12).name()); break;
        case Mark::kBanker: style = QStringLiteral("color: %1; background: %2; font-weight: bold;").arg(palette_colour(15).name(), palette_colour(9).name()); break;
    }
    buttons_[i]->setStyleSheet(QStringLiteral("QToolButton { %1 border: 1px solid %2; }").arg(style, palette_colour(8).name()));
}

QLabel* top_list_label(QWidget* parent, const char* name, const QString& head, const std::vector<int>& numbers,
                       const NumberTable& values) {
    QString text = QStringLiteral("TOP 18\n") + head + QLatin1Char('\n');
    for (int n : numbers) text += QStringLiteral("%1 (%2)\n").arg(n, 2).arg(values[static_cast<size_t>(n)]);
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(ui_font(12));
    l->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return l;
}

TypedNumber::Key TypedNumber::key(const QKeyEvent& event) {
    const QString t = event.text();
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        if (typing_.isEmpty()) return Key::kOther;
        value_ = typing_.toInt();
        typing_.clear();
        return Key::kEntered;
    }
    if (t.size() == 1 && t[0].isDigit()) {
        typing_ = (typing_ + t).right(2);
        return Key::kChanged;
    }
    if (event.key() == Qt::Key_Backspace && !typing_.isEmpty()) {
        typing_.chop(1);
        return Key::kChanged;
    }
    return Key::kOther;
}

QString TypedNumber::caption() const { return typing_.isEmpty() ? QString() : QStringLiteral("Zahl: ") + typing_; }

}  // namespace zw
