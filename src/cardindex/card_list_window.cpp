#include "cardindex/card_list_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "cardindex/card_diagram_window.h"
#include "cardindex/card_file_dialog.h"
#include "cardindex/card_list_format.h"
#include "cardindex/card_window.h"
#include "evaluation/eval_draws.h"
#include "evaluation/evaluation_format.h"
#include "evaluation/evaluation_painter.h"
#include "evaluation/review_widget.h"
#include "session/session.h"
#include "ui/listing_print.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
CardListWindow::CardListWindow(Session& session, UiServices& ui, CardKind kind, QWidget* parent, ConsoleEditor editor)
    : QDialog(parent), session_(session), ui_(ui), kind_(kind), editor_(std::move(editor)) {
    setObjectName(QStringLiteral("Dlg_7"));
    setWindowTitle(q(list_title(kind)));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    auto* sort_label = new QLabel(QStringLiteral("So&rtieren nach:"), this);
    sort_box_ = new QComboBox(this);
    sort_box_->setObjectName(QStringLiteral("cb_sortieren"));
    // In the order of CardSort.
    sort_box_->addItems({QStringLiteral("Schein-Nr."), QStringLiteral("erster Ziehung"), QStringLiteral("Einsatz"),
                         QStringLiteral("Gewinn"), QStringLiteral("Gewinn - Einsatz")});
    sort_label->setBuddy(sort_box_);
    auto* draw_label = new QLabel(QStringLiteral("nur &Ziehung:"), this);
    draw_edit_ = new QLineEdit(this);
    draw_edit_->setObjectName(QStringLiteral("ed_ziehung"));
    draw_edit_->setPlaceholderText(QStringLiteral("alle"));
    draw_edit_->setMaxLength(6);
    draw_edit_->setFixedWidth(80);
    draw_label->setBuddy(draw_edit_);
    choices->addWidget(sort_label);
    choices->addWidget(sort_box_);
    choices->addSpacing(16);
    choices->addWidget(draw_label);
    choices->addWidget(draw_edit_);
    choices->addStretch(1);
    layout->addLayout(choices);
    connect(sort_box_, &QComboBox::activated, this, [this](int i) { set_sort(static_cast<CardSort>(i)); });
    connect(draw_edit_, &QLineEdit::editingFinished, this, [this] { take_draw_filter(); });
    list_ = new ReviewWidget(this);
    list_->setObjectName(QStringLiteral("Win_6"));
    list_->setMinimumSize(960, 520);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    using Slot = void (CardListWindow::*)();
    const std::array<std::tuple<int, const char*, Slot>, 7> captions = {{{401, "&Sichern", &CardListWindow::save},
                                                                           {402, "&Laden", &CardListWindow::load},
                                                                           {403, "&Ergänzen", &CardListWindow::add_cards},
                                                                           {404, "&Drucken", &CardListWindow::print},
                                                                           {405, "D&iagramme", &CardListWindow::diagrams},
                                                                           {406, "L&öschen", &CardListWindow::delete_files},
                                                                           {407, "E&xit", &CardListWindow::accept}}};
    for (const auto& [id, text, slot] : captions) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    rebuild();
}

CardIndex& CardListWindow::index() { return kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards; }

void CardListWindow::rebuild() {
    const EvaluationInputs in{session_.params, session_.archive, session_.range, session_.money, session_.partial_systems};
    evaluations_ = evaluate_card_index(index(), in);
    list_->set_lines(q(list_header(session_.params.code, kind_)), lines());
}

std::vector<int> CardListWindow::shown() const {
    const CardIndex& cards = kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards;
    return card_order(cards, evaluations_, sort_, draw_);
}

QStringList CardListWindow::lines() const {
    QStringList out;
    const CardIndex& cards = kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards;
    for (int i : shown())
        out << q(card_line(session_.params.code, kind_, i + 1, cards.at(i), evaluations_[static_cast<size_t>(i)], false));
    return out;
}

void CardListWindow::set_sort(CardSort sort) {
    sort_ = sort;
    sort_box_->setCurrentIndex(static_cast<int>(sort));
    list_->set_lines(q(list_header(session_.params.code, kind_)), lines());
}

bool CardListWindow::take_draw_filter() {
    if (taking_filter_) return false;
    const QString text = draw_edit_->text().trimmed();
    std::optional<int> draw;
    if (!text.isEmpty()) {
        const int last = last_evaluable_draw(session_.archive);
        bool number = false;
        const int n = text.toInt(&number);
        if (!number || n < 1 || n > last) {
            taking_filter_ = true;
            draw_edit_->setText(draw_ ? QString::number(*draw_) : QString());
            ui_.message(this, kWarning, QStringLiteral("Ziehung %1 gibt es nicht (1 bis %2).").arg(text).arg(last), 1,
                        QStringLiteral("&OK"));
            taking_filter_ = false;
            return false;
        }
        draw = n;
    }
    draw_ = draw;
    draw_edit_->setText(draw_ ? QString::number(*draw_) : QString());
    list_->set_lines(q(list_header(session_.params.code, kind_)), lines());
    return true;
}

void CardListWindow::save() { save_cards(this, ui_, session_, index(), true); }

void CardListWindow::load() {
    if (load_cards(this, ui_, session_, index())) rebuild();
}

void CardListWindow::add_cards() {
    CardWindow card(session_, ui_, kind_, std::max(0, index().count() - 1), this, editor_);
    card.exec();
    rebuild();
}

void CardListWindow::delete_files() {
    if (delete_cards(this, ui_, session_, index())) rebuild();
}

void CardListWindow::print() {
    if (ui_.message(this, kQuestion, QStringLiteral("Bilanz ausdrucken"), 1, QStringLiteral("&JA|&NEIN")) != 1) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Bilanz-Druck"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ui_.print_dialog(this, printer)) return;
    if (!print_balance(printer)) ui_.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

bool CardListWindow::print_balance(QPrinter& printer) {
    const CardIndex& cards = index();
    QStringList lines;
    for (int i = 0; i < cards.count() && i < static_cast<int>(evaluations_.size()); ++i)
        lines << q(card_line(session_.params.code, kind_, i + 1, cards.at(i), evaluations_[static_cast<size_t>(i)], true));
    QStringList closing;
    if (cards.count() > 0 && !evaluations_.empty())
        closing << QStringLiteral("Total: %1 %2").arg(q(cents_text(evaluations_.back().running_total)), q(session_.params.currency));
    return print_listing(printer, print_font(),
                         QStringLiteral("Bilanz-Druck   ") + q(list_title(kind_)) + QStringLiteral("   ") +
                             q(session_.params.info().name),
                         q(print_header(session_.params.code, kind_)), lines, closing);
}

void CardListWindow::diagrams() {
    const int choice = ui_.popup_list(this, QStringLiteral("&L A X - D i a g r a m m|&B i l a n z - D i a g r a m m"),
                                      mapToGlobal(rect().center()));
    if (choice < 0) return;
    BalanceDiagramPainter painter;
    painter.font = evaluation_font();
    painter.unit = q(session_.params.currency);
    painter.kind = choice == 0 ? BalanceDiagramPainter::Kind::Lax : BalanceDiagramPainter::Kind::Balance;
    painter.title = choice == 0 ? QStringLiteral("L A X - D i a g r a m m") : QStringLiteral("B i l a n z - D i a g r a m m");
    for (const TicketEvaluation& ev : evaluations_)
        painter.values.push_back(choice == 0 ? ev.running_lax / 100.0 : static_cast<double>(ev.running_total) / 100.0);
    CardDiagramWindow window(std::move(painter), this);
    window.exec();
}

void show_card_list(QWidget* parent, Session& session, UiServices& ui, CardKind kind, ConsoleEditor editor) {
    CardListWindow window(session, ui, kind, parent, std::move(editor));
    window.exec();
}

}  // namespace zw
