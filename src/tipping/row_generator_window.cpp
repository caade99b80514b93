#include "tipping/row_generator_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/frequencies.h"
#include "tipping/filter_dialog.h"
#include "tipping/formula_dialog.h"
#include "tipping/number_grid_widget.h"
#include "tipping/power_tip.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {

namespace {

QFont bold_font() {
    QFont f = ui_font(12);
    f.setBold(true);
    return f;
}

// "Letzte Ziehung:" with the six numbers and the extra number of the range's last draw.
QString last_draw_line(const DrawSource& source, int last) {
    QString text = QStringLiteral("Letzte Ziehung:");
    if (last < 1) return text;
    const int d = marked_draw(source, last, false);
    const DrawNumbers r = source.numbers(d);
    if (r[0] == 0) return text;
    text += QStringLiteral("  %1. vom %2:  ").arg(d).arg(q(source.date(d)));
    for (int j = 0; j < 6; ++j) text += QStringLiteral("%1 ").arg(r[j], 2);
    const GameParams& p = source.params();
    const QString extra = extra_is_superzahl(p, d)     ? QStringLiteral("Superzahl")
                          : extra_is_lucky_number(p, d) ? QStringLiteral("Glückszahl")
                                                        : QStringLiteral("Zusatzzahl");
    if (r[6] != 0) text += QStringLiteral("  %1 %2").arg(extra).arg(displayed_extra(p, d, r[6]));
    return text;
}

}  // namespace

RowGeneratorWindow::RowGeneratorWindow(Session& session, UiServices& ui, int box,
                                       std::function<void(const QString&)> show_help, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ui_(ui),
      box_(box),
      show_help_(std::move(show_help)) {
    setObjectName(QStringLiteral("generator"));
    setWindowTitle(QStringLiteral("Zufallsgenerator:"));
    setFont(ui_font(11));
    const GameParams& p = session_.params;
    GeneratorState& state = session_.generator.state;
    state.set_game(p);
    if (box_ >= 0) target_ = GeneratorTarget{true, session_.ticket.box(box_).numbers};

    const DrawSource source(session_.archive, p);
    StatTables t;
    compute_frequencies(source, session_.range, t);
    compute_gaps(source, session_.range.last, t);

    auto* last = new QLabel(last_draw_line(source, session_.range.last), this);
    last->setObjectName(QStringLiteral("last_draw"));
    last->setFont(ui_font(12));

    grid_ = new NumberGridWidget(state.cells(), 7, this);
    for (int n = 1; n <= p.highest_number; ++n) grid_->set_frequency(n, t.main_frequency[static_cast<size_t>(n)]);
    if (state.swiss())
        for (int g = 1; g <= 6; ++g) {
            grid_->set_label(kLuckyCellBase + g, QStringLiteral("GZ %1").arg(g));
            grid_->set_frequency(kLuckyCellBase + g, t.main_frequency[static_cast<size_t>(kLuckyOffset + g)]);
        }
    connect(grid_, &NumberGridWidget::cell_clicked, this, &RowGeneratorWindow::cell_clicked);

    // The two captions switch the mode in which a click acts.
    tips_button_ = new QPushButton(QStringLiteral("TIPPZAHLEN"), this);
    bankers_button_ = new QPushButton(QStringLiteral("BANKZAHLEN"), this);
    tips_button_->setObjectName(QStringLiteral("mode_tips"));
    bankers_button_->setObjectName(QStringLiteral("mode_bankers"));
    auto* modes = new QButtonGroup(this);
    for (auto* b : {tips_button_, bankers_button_}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(bold_font());
        modes->addButton(b);
    }
    tips_button_->setChecked(true);
    connect(tips_button_, &QPushButton::clicked, this, [this] { set_mode(GeneratorState::Mode::kTips); });
    connect(bankers_button_, &QPushButton::clicked, this, [this] { set_mode(GeneratorState::Mode::kBankers); });
    tip_count_ = new QLabel(this);
    banker_count_ = new QLabel(this);
    tip_count_->setObjectName(QStringLiteral("tip_count"));
    banker_count_->setObjectName(QStringLiteral("banker_count"));

    auto* counts = new QVBoxLayout;
    counts->addWidget(tips_button_);
    counts->addWidget(tip_count_);
    counts->addSpacing(10);
    counts->addWidget(bankers_button_);
    counts->addWidget(banker_count_);
    counts->addStretch(1);
    typed_ = new QLabel(this);
    typed_->setObjectName(QStringLiteral("typed"));
    counts->addWidget(typed_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_);
    middle->addSpacing(12);
    middle->addLayout(counts);
    middle->addSpacing(12);
    middle->addWidget(top_list_label(this, "top_hauf", QStringLiteral("HAUF"),
                                     top_numbers(t.main_frequency, p.highest_number, 18), t.main_frequency));
    middle->addWidget(top_list_label(this, "top_ruck", QStringLiteral("RUCK"),
                                     top_numbers(t.main_gap, p.highest_number, 18), t.main_gap));

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("prompt"));
    prompt_->setFont(bold_font());
    prompt_->setStyleSheet(QStringLiteral("color: %1;").arg(palette_colour(12).name()));
    prompt_->setMinimumHeight(prompt_->fontMetrics().height() + 4);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setFont(ui_font(12));

    auto* buttons = new QHBoxLayout;
    ok_ = add_button("cmd_ok", "   _OK    ", &RowGeneratorWindow::cmd_ok);
    buttons->addWidget(ok_);
    buttons->addWidget(add_button("cmd_inverter", "_Inverter", &RowGeneratorWindow::cmd_inverter));
    buttons->addWidget(add_button("cmd_loeschung", "_Löschung", &RowGeneratorWindow::cmd_loeschung));
    buttons->addWidget(add_button("cmd_abbruch", "_Abbruch", &RowGeneratorWindow::reject));
    buttons->addWidget(add_button("cmd_formel", "   _Formelgenerator   ", &RowGeneratorWindow::cmd_formel));
    buttons->addWidget(add_button("cmd_filter", "_G/U & T/H - Filter", &RowGeneratorWindow::cmd_filter));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(last);
    layout->addLayout(middle);
    layout->addWidget(prompt_);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFocusPolicy(Qt::StrongFocus);
    show_choice();
}

QPushButton* RowGeneratorWindow::add_button(const char* name, const char* text, void (RowGeneratorWindow::*slot)()) {
    auto* b = new QPushButton(access_keys(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

void RowGeneratorWindow::set_mode(GeneratorState::Mode mode) {
    mode_ = mode;
    tips_button_->setChecked(mode == GeneratorState::Mode::kTips);
    bankers_button_->setChecked(mode == GeneratorState::Mode::kBankers);
}

void RowGeneratorWindow::cell_clicked(int cell) {
    if (!session_.generator.state.choose(cell, mode_, target_)) QApplication::beep();
    show_choice();
}

void RowGeneratorWindow::cmd_inverter() {
    session_.generator.state.invert();
    show_choice();
}

void RowGeneratorWindow::cmd_loeschung() {
    session_.generator.state.clear();
    show_choice();
}

void RowGeneratorWindow::cmd_formel() {
    GeneratorSettings& g = session_.generator;
    FormulaDialog dialog(g.formula, session_.params.highest_number, this);
    if (dialog.exec() != QDialog::Accepted) return;
    g.formula = dialog.settings();
    apply_formula(g.state, g.formula, DrawSource(session_.archive, session_.params), session_.range);
    show_choice();
}

void RowGeneratorWindow::cmd_filter() {
    FilterDialog dialog(session_.generator, session_.params, [this] { show_choice(); }, this);
    dialog.exec();
    show_choice();
}

void RowGeneratorWindow::show_choice() {
    const GeneratorSettings& g = session_.generator;
    const GeneratorState& s = g.state;
    for (int cell = 1; cell <= s.cells(); ++cell)
        grid_->set_mark(cell, s.is_banker(cell) ? NumberGridWidget::Mark::kBanker
                              : s.is_tip(cell)  ? NumberGridWidget::Mark::kTip
                                                : NumberGridWidget::Mark::kNone);
    tip_count_->setText(QStringLiteral("%1 Zahlen").arg(s.tip_count()));
    banker_count_->setText(QStringLiteral("%1 Zahlen").arg(s.banker_count()));
    const bool ready = is_ready(s, target_);
    prompt_->setText(ready ? QString() : q(generator_prompt(target_)));
    status_->setText(q(possible_rows_text(possible_rows(s, g.filter, session_.params))));
}

void RowGeneratorWindow::cmd_ok() {
    if (!is_ready(session_.generator.state, target_)) {
        QApplication::beep();  // the prompt says what is missing
        return;
    }
    if (box_ >= 0) {
        fill_box();
        accept();
    } else if (fill_rows()) {
        accept();
    }
}

bool RowGeneratorWindow::fill_rows() {
    Session& s = session_;
    const QPoint at = ok_->mapToGlobal(QPoint(0, ok_->height()));
    const int item = ui_.popup_list(this, access_keys(row_count_items(s.params, s.ticket.seven_by_seven)), at);
    const std::optional<int> rows = row_count_for_item(item, s.params, s.ticket.seven_by_seven);
    if (!rows) return false;  // the list was dismissed
    RandomSource random(ui_.random_seed ? ui_.random_seed() : 0u);
    const GenerationResult result = generate_rows(s.generator.state, s.generator.filter, s.params, *rows, random);
    if (!result.complete) ui_.message(this, kWarning, q(result.message), 1, QStringLiteral("&Schade"));
    if (result.rows.empty()) return false;  // not one row: the ticket stays as it was
    s.ticket.clear_rows();
    for (size_t r = 0; r < result.rows.size(); ++r) s.ticket.set_row(static_cast<int>(r), result.rows[r]);
    return true;
}

void RowGeneratorWindow::fill_box() {
    RandomSource random(ui_.random_seed ? ui_.random_seed() : 0u);
    const BoxNumbers numbers = generate_box(session_.generator.state, target_.box_numbers, random);
    session_.ticket.set_box_numbers(box_, numbers.numbers);
    if (numbers.lucky != 0) session_.ticket.set_box_lucky(box_, numbers.lucky);
}

void RowGeneratorWindow::keyPressEvent(QKeyEvent* event) {
    const TypedNumber::Key key = typed_number_.key(*event);
    if (key == TypedNumber::Key::kEntered && typed_number_.value() >= 1 &&
        typed_number_.value() <= session_.params.highest_number)
        cell_clicked(typed_number_.value());
    if (key != TypedNumber::Key::kOther) {
        typed_->setText(typed_number_.caption());
        return;
    }
    const QString t = event->text().toLower();
    if (event->key() == Qt::Key_F1) {
        if (show_help_) show_help_(QStringLiteral("zufallsgenerator.htm"));
    } else if (t == QLatin1String("o")) {
        cmd_ok();
    } else if (t == QLatin1String("i")) {
        cmd_inverter();
    } else if (t == QLatin1String("l")) {
        cmd_loeschung();
    } else if (t == QLatin1String("a")) {
        reject();
    } else if (t == QLatin1String("f")) {
        cmd_formel();
    } else if (t == QLatin1String("g")) {
        cmd_filter();
    } else if (t == QLatin1String("t")) {
        set_mode(GeneratorState::Mode::kTips);
    } else if (t == QLatin1String("b")) {
        set_mode(GeneratorState::Mode::kBankers);
    } else {
        QDialog::keyPressEvent(event);
    }
}

std::optional<int> open_row_generator(QWidget* parent, Session& s, UiServices& ui,
                                      std::function<void(QString)> show_help) {
    int box = -1;
    if (s.ticket.system_mode) {
        for (int b = 0; b < kSystemBoxCount && box < 0; ++b)
            if (s.ticket.box(b).partial && !s.ticket.box(b).complete()) box = b;
        if (box < 0) {
            ui.message(parent, kWarning, QStringLiteral("Bitte zuerst ein System ankreuzen!"), 1, QStringLiteral("&OK"));
            return std::nullopt;
        }
    }
    RowGeneratorWindow window(
        s, ui, box,
        [show_help = std::move(show_help)](const QString& topic) {
            if (show_help) show_help(topic);
        },
        parent);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return std::max(box, 0);
}

}  // namespace zw
