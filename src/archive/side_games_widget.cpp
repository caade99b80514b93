#include "archive/side_games_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/fonts.h"

namespace zw {
namespace {

QLineEdit* digit_box(QWidget* parent, const QString& name, int length) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(length);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setFont(ui_font(17));
    e->setFixedWidth(QFontMetrics(e->font()).horizontalAdvance(QString(length + 1, QLatin1Char('0'))) + 12);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

}  // namespace

SideGamesWidget::SideGamesWidget(bool german, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("sp77"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(german ? QStringLiteral("Bitte Spiel 77 und Super 6 eingeben:")
                                      : QStringLiteral("Bitte JOKER eingeben:"),
                               this);
    heading->setFont(ui_font(17));
    grid->addWidget(heading, 0, 0, 1, 2);
    side_ = digit_box(this, QStringLiteral("ed_side"), german ? 7 : 6);
    grid->addWidget(new QLabel(german ? QStringLiteral("Spiel 77:") : QStringLiteral("JOKER:"), this), 1, 0);
    grid->addWidget(side_, 1, 1, Qt::AlignLeft);
    if (german) {
        super6_ = digit_box(this, QStringLiteral("ed_super6"), 6);
        grid->addWidget(new QLabel(QStringLiteral("Super 6:"), this), 2, 0);
        grid->addWidget(super6_, 2, 1, Qt::AlignLeft);
    }
    auto report = [this] { emit edited(side_->text(), super6_ ? super6_->text() : QString()); };
    connect(side_, &QLineEdit::textEdited, this, report);
    connect(side_, &QLineEdit::returnPressed, this, [this] {
        if (super6_ && super6_->isEnabled())
            super6_->setFocus();
        else
            emit finished();
    });
    if (super6_) {
        connect(super6_, &QLineEdit::textEdited, this, report);
        connect(super6_, &QLineEdit::returnPressed, this, &SideGamesWidget::finished);
    }
}

void SideGamesWidget::load(const QString& side, const QString& super6, bool side_usable,
                           bool super6_usable) {
    const QSignalBlocker b1(side_);
    side_->setText(side);
    side_->setEnabled(side_usable);
    if (super6_) {
        const QSignalBlocker b2(super6_);
        super6_->setText(super6);
        super6_->setEnabled(super6_usable);
    }
}

LottoPlusWidget::LottoPlusWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Lplus"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("LottoPlus:"), this);
    heading->setFont(ui_font(17));
    layout->addWidget(heading);
    auto* row = new QHBoxLayout;
    for (int k = 0; k < 6; ++k) {
        boxes_[static_cast<size_t>(k)] = digit_box(this, QStringLiteral("ed%1").arg(8 + k), 2);
        row->addWidget(boxes_[static_cast<size_t>(k)]);
        connect(boxes_[static_cast<size_t>(k)], &QLineEdit::textEdited, this,
                [this, k](const QString& t) { emit edited(k, t); });
        // ed8_KeyUp .. ed13_KeyUp: RETURN moves on to the next box.
        connect(boxes_[static_cast<size_t>(k)], &QLineEdit::returnPressed, this, [this, k] {
            if (k < 5)
                boxes_[static_cast<size_t>(k + 1)]->setFocus();
            else
                emit finished();
        });
    }
    row->addStretch(1);
    layout->addLayout(row);
}

void LottoPlusWidget::load(const std::array<QString, 6>& values, bool usable) {
    for (size_t k = 0; k < 6; ++k) {
        const QSignalBlocker b(boxes_[k]);
        boxes_[k]->setText(values[k]);
        boxes_[k]->setEnabled(usable);
    }
}

}  // namespace zw
