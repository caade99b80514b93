#include "archive/draw_entry_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "archive/calendar.h"
#include "archive/draw_output_dialog.h"
#include "archive/net_update_dialog.h"
#include "archive/save_draws_dialog.h"
#include "archive/side_games_widget.h"
#include "archive/slip_grid_widget.h"
#include "session/session.h"
#include "ui/fonts.h"
#include "ui/help_key.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QPushButton* command_button(QWidget* parent, const char* name, const QString& text,
                            const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setFont(ui_font(17));
    b->setFixedSize(36, 30);
    return b;
}

QToolButton* arrow_button(QWidget* parent, const char* name, Qt::ArrowType arrow,
                          const QString& text, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(arrow);
    b->setText(text);
    b->setToolTip(tip);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFont(ui_font(17));
    b->setMinimumSize(52, 30);
    return b;
}

// Draw E as the fields show it right now, for the last grid.
SlipDraw entry_slip(const DrawEntry& e) {
    SlipDraw s;
    s.present = true;
    s.draw = e.entry_draw();
    const DrawDate d = draw_date(e.params().code, e.entry_draw());
    s.date = d.text;
    s.prefix = d.prefix;
    const auto& f = e.fields();
    for (int k = 0; k < 6; ++k) s.numbers[k] = f[k] > 0 ? static_cast<uint8_t>(f[k]) : 0;
    if (f[6] != DrawEntry::kBlank) {
        s.extra = f[6];
        const std::string label = e.extra_label();
        s.extra_kind = label == "SZ"   ? ExtraKind::kSuperzahl
                       : label == "GZ" ? ExtraKind::kGlueckszahl
                                       : ExtraKind::kZusatzzahl;
    }
    for (int k = 0; k < 6; ++k) {
        const int v = std::atoi(e.plus_boxes[static_cast<size_t>(k)].c_str());
        s.plus[k] = v >= 1 && v <= 45 ? static_cast<uint8_t>(v) : 0;
    }
    return s;
}

}  // namespace

DrawEntryDialog::DrawEntryDialog(Session& session, UiServices& ui, bool seven_by_seven,
                                 QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui),
      entry_(session.params, session.archive, session.range),
      grid_count_(slip_grid_count(session.params, seven_by_seven)),
      booked_to_(newest_booked_draw(session)) {
    setObjectName(QStringLiteral("frm3"));
    setWindowTitle(QStringLiteral("Ziehungen ergänzen"));
    setFocusPolicy(Qt::StrongFocus);
    const GameParams& params = session_.params;

    grids_ = new SlipGridWidget(this);

    // Number, date and the seven fields.
    auto* title = new QLabel(QStringLiteral("Ziehung:"), this);
    title->setFont(ui_font(18));
    number_ = new QLabel(this);
    number_->setObjectName(QStringLiteral("lbl_number"));
    date_ = new QLabel(this);
    date_->setObjectName(QStringLiteral("lbl_date"));
    for (QLabel* l : {number_, date_}) l->setFont(ui_font(17));
    auto* info = new QHBoxLayout;
    info->addWidget(title);
    info->addSpacing(16);
    info->addWidget(new QLabel(QStringLiteral("Nummer:"), this));
    info->addWidget(number_);
    info->addSpacing(16);
    info->addWidget(new QLabel(QStringLiteral("Datum:"), this));
    info->addWidget(date_);
    info->addSpacing(16);
    mode_ = new QLabel(this);
    mode_->setObjectName(QStringLiteral("lbl_mode"));
    mode_->setFont(ui_font(17));
    info->addWidget(mode_);
    info->addStretch(1);

    auto* field_grid = new QGridLayout;
    for (int k = 0; k < DrawEntry::kFields; ++k) {
        auto* caption = new QLabel(k < 6 ? QStringLiteral("%1.").arg(k + 1) : QString(), this);
        caption->setAlignment(Qt::AlignCenter);
        if (k == 6) extra_label_ = caption;
        auto* f = new QLabel(this);
        f->setObjectName(QStringLiteral("field%1").arg(k));
        f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        f->setAlignment(Qt::AlignCenter);
        f->setFont(ui_font(18));
        f->setFixedSize(46, 34);
        f->setAutoFillBackground(true);
        fields_[static_cast<size_t>(k)] = f;
        field_grid->addWidget(caption, 0, k + (k == 6 ? 1 : 0));
        field_grid->addWidget(f, 1, k + (k == 6 ? 1 : 0));
    }
    field_grid->setColumnMinimumWidth(6, 14);
    field_grid->setColumnStretch(8, 1);
    auto* hint = new QLabel(QStringLiteral("Einstellige Zahleneingaben bitte mit RETURN bestätigen!"), this);
    hint->setObjectName(QStringLiteral("hint"));

    // Commands.
    auto* minus = arrow_button(this, "arrow_minus", Qt::LeftArrow, QStringLiteral("-"),
                               QStringLiteral("Vorige Ziehung (Taste -)"));
    auto* plus = arrow_button(this, "arrow_plus", Qt::RightArrow, QStringLiteral("+"),
                              QStringLiteral("Nächste Ziehung (Taste +)"));
    auto* cmd32 = command_button(this, "cmd32", QStringLiteral("S"), QStringLiteral("Ziehungen speichern"));
    auto* cmd33 = command_button(this, "cmd33", QStringLiteral("D"),
                                 QStringLiteral("Die letzten 52 Ziehungen spaltenweise drucken"));
    auto* cmd34 = command_button(this, "cmd34", QStringLiteral("X"), QStringLiteral("Eingabe beenden"));
    cmd37_ = command_button(this, "cmd37", QStringLiteral("L"),
                            QStringLiteral("Die neueste Ziehung oder die neueste Zusatzlotterie-Nummer löschen"));
    auto* cmd38 = command_button(this, "cmd38", QStringLiteral("H"), QStringLiteral("Hilfe"));
    cmd50_ = command_button(this, "cmd50", QStringLiteral("U"),
                            QStringLiteral("Die Ziehung aus dem Internet holen"));
    auto* commands = new QHBoxLayout;
    commands->addWidget(minus);
    commands->addWidget(plus);
    commands->addSpacing(12);
    for (QPushButton* b : {cmd32, cmd33, cmd34, cmd37_, cmd38, cmd50_}) commands->addWidget(b);
    commands->addSpacing(12);
    fetch_state_ = new QLabel(this);
    fetch_state_->setObjectName(QStringLiteral("lbl_fetch"));
    fetch_state_->setVisible(false);
    abort_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
    abort_->setObjectName(QStringLiteral("cmd_abort"));
    abort_->setToolTip(QStringLiteral("Den Abruf aus dem Internet abbrechen"));
    abort_->setFocusPolicy(Qt::NoFocus);
    abort_->setAutoDefault(false);
    abort_->setVisible(false);
    commands->addWidget(fetch_state_);
    commands->addWidget(abort_);
    commands->addStretch(1);
    commands_ = {minus, plus, cmd32, cmd33, cmd34, cmd38, grids_};

    auto* left = new QVBoxLayout;
    left->addLayout(info);
    left->addLayout(field_grid);
    left->addWidget(hint);
    left->addLayout(commands);
    auto* lower = new QHBoxLayout;
    lower->addLayout(left, 1);
    sp77_ = new SideGamesWidget(is_german_game(params.code), this);
    lower->addWidget(sp77_, 0, Qt::AlignTop);
    if (params.austria) {
        lplus_ = new LottoPlusWidget(this);
        lower->addWidget(lplus_, 0, Qt::AlignTop);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grids_, 1);
    layout->addLayout(lower);

    connect(minus, &QToolButton::clicked, this, [this] { minus_key(); });
    connect(plus, &QToolButton::clicked, this, [this] { plus_key(); });
    connect(cmd32, &QPushButton::clicked, this, &DrawEntryDialog::cmd32_Click);
    connect(cmd33, &QPushButton::clicked, this, &DrawEntryDialog::cmd33_Click);
    connect(cmd34, &QPushButton::clicked, this, &DrawEntryDialog::cmd34_Click);
    connect(cmd37_, &QPushButton::clicked, this, &DrawEntryDialog::cmd37_Click);
    connect(cmd38, &QPushButton::clicked, this, &DrawEntryDialog::cmd38_Click);
    add_help_key(this, [this] { cmd38_Click(); });
    connect(cmd50_, &QPushButton::clicked, this, &DrawEntryDialog::cmd50_Click);
    connect(abort_, &QPushButton::clicked, this, &DrawEntryDialog::cancel_fetch);
    connect(grids_, &SlipGridWidget::wheel_steps, this,
            [this](int steps) { steps > 0 ? plus_key() : minus_key(); });

    connect(sp77_, &SideGamesWidget::edited, this, [this](const QString& side, const QString& super6) {
        entry_.side_box = side.toStdString();
        entry_.super6_box = super6.toStdString();
        refresh();
    });
    connect(sp77_, &SideGamesWidget::finished, this, [this] { setFocus(); });
    sp77_->side_box()->installEventFilter(this);
    if (sp77_->super6_box()) sp77_->super6_box()->installEventFilter(this);
    if (lplus_) {
        connect(lplus_, &LottoPlusWidget::edited, this, [this](int box, const QString& text) {
            entry_.plus_boxes[static_cast<size_t>(box)] = text.toStdString();
            refresh();
        });
        connect(lplus_, &LottoPlusWidget::finished, this, [this] { setFocus(); });
        for (QLineEdit* e : lplus_->boxes()) e->installEventFilter(this);
    }

    entry_.open();
    load_boxes();
    refresh();
    setFocus();
}

void DrawEntryDialog::beep() {
    ++beeps_;
    QApplication::beep();
}

void DrawEntryDialog::load_boxes() {
    sp77_->load(q(entry_.side_box), q(entry_.super6_box), entry_.side_box_usable(),
                entry_.super6_box_usable());
    if (lplus_) {
        std::array<QString, 6> values;
        for (size_t k = 0; k < 6; ++k) values[k] = q(entry_.plus_boxes[k]);
        lplus_->load(values, entry_.plus_boxes_usable());
    }
}

void DrawEntryDialog::refresh() {
    const int e = entry_.entry_draw();
    const DrawDate d = draw_date(session_.params.code, e);
    number_->setText(QString::number(e));
    date_->setText(q(d.text) + q(d.prefix));
    // A stored draw is open for correction: storing it replaces it.
    mode_->setText(entry_.correcting()
                       ? QStringLiteral("Korrektur der Ziehung %1 vom %2").arg(e).arg(q(d.text))
                       : QString());
    extra_label_->setText(q(entry_.extra_label()));
    for (int k = 0; k < DrawEntry::kFields; ++k) {
        QLabel* f = fields_[static_cast<size_t>(k)];
        f->setText(q(entry_.field_text(k)));
        QPalette pal = f->palette();
        pal.setColor(QPalette::Window, palette_colour(k == entry_.cursor() ? 14 : 15));
        f->setPalette(pal);
    }
    cmd37_->setEnabled(!fetching_ && entry_.can_delete());
    const QDate today = ui_.now ? ui_.now().date() : QDate::currentDate();
    const int32_t key = today.year() * 10000 + today.month() * 100 + today.day();
    cmd50_->setEnabled(!fetching_ && fetch_draw != nullptr &&
                       fetch_offered(session_.params, session_.archive, e, key));
    for (QWidget* w : commands_) w->setEnabled(!fetching_);
    sp77_->setEnabled(!fetching_);
    if (lplus_) lplus_->setEnabled(!fetching_);
    fetch_state_->setVisible(fetching_);
    abort_->setVisible(fetching_);
    if (fetching_)
        fetch_state_->setText(QStringLiteral("Ziehung %1 vom %2 wird abgerufen …").arg(e).arg(q(d.text)));

    // E stands in the last grid; grid 1 shows draw max(1, E - B + 1).
    SlipGridSet set;
    set.game = session_.params.code;
    set.highest_number = session_.params.highest_number;
    const int first = std::max(1, e - grid_count_ + 1);
    for (int k = 0; k < grid_count_; ++k) {
        const int n = first + k;
        set.grids.push_back(n == e ? entry_slip(entry_)
                                   : regular_slip(session_.params, session_.archive, n));
    }
    set.highlighted = e - first;
    set.ticket_number = entry_.side_box;
    grids_->set_grids(std::move(set));
}

void DrawEntryDialog::after_step(EntryStep step) {
    switch (step) {
        case EntryStep::kNothing: return;
        case EntryStep::kRefused: beep(); break;
        case EntryStep::kShown: break;
        case EntryStep::kComplete: {
            refresh();
            if (confirm_store()) {
                if (Status s = entry_.store_entry_draw(); !s) {
                    ui_.message(this, kWarning, q(s.message()), 1, QStringLiteral("&OK"));
                } else if (advance_after_store_) {
                    advance_after_store_ = false;
                    plus_key();
                    return;
                }
            } else {
                advance_after_store_ = false;
                // The fields return to the stored draw; typed side numbers stay.
                const std::string side = entry_.side_box, super6 = entry_.super6_box;
                const auto plus = entry_.plus_boxes;
                entry_.show_entry_draw();
                entry_.side_box = side;
                entry_.super6_box = super6;
                entry_.plus_boxes = plus;
            }
            break;
        }
    }
    refresh();
}

bool DrawEntryDialog::confirm_store() {
    const int e = entry_.entry_draw();
    const QString date = q(draw_date(session_.params.code, e).text);
    // Replacing a stored draw is never the default answer.
    if (entry_.correcting())
        return ui_.message(this, kQuestion,
                           QStringLiteral("Alle Zahlen korrekt?|Ziehung %1 vom %2 ersetzen?").arg(e).arg(date),
                           2, QStringLiteral(" JA |NEIN")) == 1;
    if (ui_.message(this, kQuestion, QStringLiteral("Alle Zahlen korrekt"), 1, QStringLiteral(" JA |NEIN")) != 1)
        return false;
    // Far past the newest draw (stepped there with "+"): every draw between
    // would be left empty.
    if (const DrawGap gap = entry_.gap(); gap.far())
        return ui_.message(this, kQuestion,
                           q(gap_text(session_.params.code, gap, "Die Ziehung " + std::to_string(e) + " vom")) +
                               QStringLiteral("|Wirklich so viele leere Ziehungen anlegen?"),
                           2, QStringLiteral("&JA|&NEIN")) == 1;
    return true;
}

void DrawEntryDialog::handle_key(int key, const QString& text) {
    // While a fetch waits only its cancel is taken: a key that moved to
    // another draw would let the answer land on the wrong one.
    if (fetching_) {
        if (key == Qt::Key_Escape || text.toUpper() == QLatin1String("A")) cancel_fetch();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        after_step(entry_.digit(key - Qt::Key_0));
        return;
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: after_step(entry_.enter()); return;
        case Qt::Key_Backspace: after_step(entry_.backspace()); return;
        case Qt::Key_Plus: plus_key(); return;
        case Qt::Key_Minus: minus_key(); return;
        case Qt::Key_Escape: finish(); return;
        default: break;
    }
    const QString letter = text.toUpper();
    if (letter == QLatin1String("+")) plus_key();
    else if (letter == QLatin1String("-")) minus_key();
    else if (letter == QLatin1String("S")) cmd32_Click();
    else if (letter == QLatin1String("X") || letter == QLatin1String("A")) finish();
    else if (letter == QLatin1String("L")) cmd37_Click();
    else if (letter == QLatin1String("D")) cmd33_Click();
    else if (letter == QLatin1String("H")) cmd38_Click();
    else if (letter == QLatin1String("U")) cmd50_Click();
}

void DrawEntryDialog::plus_key() {
    if (fetching_) return;
    advance_after_store_ = false;  // the fetched numbers stay with their draw
    if (!entry_.next()) {
        ui_.message(this, kWarning,
                    QStringLiteral("Das Archiv ist voll: mehr als %1 Ziehungen|sind nicht möglich.")
                        .arg(session_.archive.capacity()),
                    1, QStringLiteral("&OK"));
        return;
    }
    load_boxes();
    refresh();
}

void DrawEntryDialog::minus_key() {
    if (fetching_) return;
    advance_after_store_ = false;  // the fetched numbers stay with their draw
    if (!entry_.previous()) {
        beep();
        return;
    }
    load_boxes();
    refresh();
}

void DrawEntryDialog::cmd32_Click() {
    entry_.store_side_numbers();
    refresh();
    if (entry_.incomplete() &&
        ui_.message(this, kQuestion,
                    QStringLiteral("Die letzte Ziehung ist nicht komplett!|"
                                   "==============================|"
                                   "Soll ich diese trotzdem abspeichern?"),
                    2, QStringLiteral("&JA|&NEIN")) == 2)
        return;
    if (!save_draws_asking(this, ui_, session_, false)) return;
    // The card indexes book what their tickets won in the new draws.
    QString done = QStringLiteral("Die Ziehungen wurden gespeichert!");
    for (const std::string& win : book_new_draws(session_, booked_to_)) done += QStringLiteral("|") + q(win);
    booked_to_ = newest_booked_draw(session_);
    ui_.message(this, kInformation, done, 1, QStringLiteral("&OK"));
}

void DrawEntryDialog::cmd33_Click() { run_column_print(this, session_, ui_); }

void DrawEntryDialog::cmd34_Click() { finish(); }

void DrawEntryDialog::cmd37_Click() {
    if (!entry_.delete_entry()) {
        beep();
        return;
    }
    load_boxes();
    refresh();
}

void DrawEntryDialog::cmd38_Click() {
    if (show_help) show_help(QStringLiteral("ergaenzen.htm"));
}

void DrawEntryDialog::set_fetch_draw(FetchDraw fetch) {
    fetch_draw = std::move(fetch);
    refresh();
}

void DrawEntryDialog::cmd50_Click() {
    if (fetching_ || !cmd50_->isEnabled() || !fetch_draw) return;
    fetching_ = true;
    fetch_cancelled_ = false;
    refresh();
    const bool advance = fetch_draw(entry_, [this] { return fetch_cancelled_; });
    fetching_ = false;
    advance_after_store_ = advance && !fetch_cancelled_;
    load_boxes();
    refresh();
    setFocus();
}

void DrawEntryDialog::cancel_fetch() {
    if (fetching_) fetch_cancelled_ = true;
}

void DrawEntryDialog::finish() {
    if (fetching_) {
        cancel_fetch();
        return;
    }
    if (finished_) return;
    finished_ = true;
    // Typed side numbers are kept (in memory; saving stays the user's choice).
    entry_.store_side_numbers();
    accept();
}

void DrawEntryDialog::keyPressEvent(QKeyEvent* event) {
    handle_key(event->key(), event->text());
    event->accept();
}

void DrawEntryDialog::reject() {
    // The close box while a fetch waits cancels the fetch first.
    if (fetching_) {
        cancel_fetch();
        return;
    }
    if (!finished_) {
        finished_ = true;
        entry_.store_side_numbers();
    }
    QDialog::reject();
}

void DrawEntryDialog::mousePressEvent(QMouseEvent* event) {
    setFocus();
    QDialog::mousePressEvent(event);
}

bool DrawEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    // The side-game and LottoPlus boxes take digits only: the entry's command
    // keys act in the entry window, so a letter typed into a box is refused
    // (a beep) instead of ending the entry or opening the help. Escape still
    // closes the entry like the close box.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || fetching_) {
            handle_key(key->key(), key->text());
            return true;
        }
        const QString t = key->text();
        if (t.size() == 1 && t[0].isPrint() && !t[0].isDigit()) {
            beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void enter_draws(Host& host) {
    DrawEntryDialog dialog(host.session(), host.ui(), host.seven_by_seven(), host.parent_widget());
    dialog.show_help = [&host](const QString& topic) { host.show_help(topic); };
    dialog.set_fetch_draw(draw_fetcher(host.session(), host.ui(), &dialog));
    host.add_secondary_window(&dialog);
    // Window-modal, so that the help window stays usable beside it.
    dialog.setWindowModality(Qt::WindowModal);
    dialog.resize(dialog.sizeHint());
    dialog.exec();
}

}  // namespace zw
