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

SideGamesWidget::SideGamesWidget(bool german, QWidget* parent) : QFrame(parent), german_(german) {
    setObjectName(QStringLiteral("sp77"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(german ? QStringLiteral("Bitte Spiel 77 und Super 6 eingeben:")
                                      : QStringLiteral("Bitte JOKER eingeben:"),
                               this);
    heading->setFont(ui_font(17));
    grid->addWidget(heading, 0, 0, 1, 2);
    side_ = digit_box(this, QStringLiteral("ed_side"), german ? 7 : 6);
    auto* side_label = new QLabel(german ? QStringLiteral("Spiel 77:") : QStringLiteral("JOKER:"), this);
    side_label->setBuddy(side_);
    grid->addWidget(side_label, 1, 0);
    grid->addWidget(side_, 1, 1, Qt::AlignLeft);
    if (german) {
        super6_ = digit_box(this, QStringLiteral("ed_super6"), 6);
        auto* super6_label = new QLabel(QStringLiteral("Super 6:"), this);
        super6_label->setBuddy(super6_);
        grid->addWidget(super6_label, 2, 0);
        grid->addWidget(super6_, 2, 1, Qt::AlignLeft);
    }
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("lbl_side_refusal"));
    refusal_->setStyleSheet(QStringLiteral("color: #a00000"));
    refusal_->setWordWrap(true);
    grid->addWidget(refusal_, 3, 0, 1, 2);

    connect(side_, &QLineEdit::textEdited, this, &SideGamesWidget::report);
    connect(side_, &QLineEdit::editingFinished, this, [this] { check(side_); });
    connect(side_, &QLineEdit::returnPressed, this, [this] {
        if (!check(side_)) return side_->selectAll();
        if (super6_ && super6_->isEnabled())
            super6_->setFocus();
        else
            emit finished();
    });
    if (super6_) {
        connect(super6_, &QLineEdit::textEdited, this, &SideGamesWidget::report);
        connect(super6_, &QLineEdit::editingFinished, this, [this] { check(super6_); });
        connect(super6_, &QLineEdit::returnPressed, this, [this] {
            if (check(super6_))
                emit finished();
            else
                super6_->selectAll();
        });
    }
}

void SideGamesWidget::report() {
    refusal_->clear();
    emit edited(side_->text(), super6_ ? super6_->text() : QString());
}

bool SideGamesWidget::check(QLineEdit* box) {
    QString& last = box == side_ ? last_side_ : last_super6_;
    const QString text = box->text();
    if (text.isEmpty() || text.size() == box->maxLength()) {
        last = text;
        return true;
    }
    const QString game = box == super6_ ? QStringLiteral("Super 6") : german_ ? QStringLiteral("Spiel 77") : QStringLiteral("JOKER");
    refusal_->setText(QStringLiteral("%1: bitte alle %2 Ziffern eingeben.\nDie Zahl %3 wurde nicht übernommen.")
                          .arg(game)
                          .arg(box->maxLength())
                          .arg(text));
    {
        const QSignalBlocker b(box);
        box->setText(last);
    }
    emit edited(side_->text(), super6_ ? super6_->text() : QString());
    return false;
}

QString SideGamesWidget::refusal() const { return refusal_->text(); }

void SideGamesWidget::load(const QString& side, const QString& super6, bool side_usable,
                           bool super6_usable) {
    refusal_->clear();
    last_side_ = side;
    last_super6_ = super6;
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
