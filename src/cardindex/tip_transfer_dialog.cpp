#include "cardindex/tip_transfer_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "cardindex/card_file_dialog.h"
#include "cardindex/card_store.h"
#include "evaluation/eval_draws.h"
#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

CardIndex& index_of(Session& s, CardKind kind) { return kind == CardKind::Normal ? s.normal_cards : s.system_cards; }

}  // namespace

TipPickDialog::TipPickDialog(const QString& title, Session& session, CardKind kind, int start_number,
                             std::function<void(int)> on_step, QWidget* parent)
    : QDialog(parent), session_(session), kind_(kind), number_(start_number), on_step_(std::move(on_step)) {
    setObjectName(QStringLiteral("Dlg_3"));
    setWindowTitle(title);
    auto* g = new QGridLayout(this);
    auto* lb01 = new QLabel(QStringLiteral("Schein-Nr.:"), this);
    lb01->setObjectName(QStringLiteral("lb01"));
    g->addWidget(lb01, 0, 0);
    auto button = [&](const QString& text, int id, int row, int col, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        g->addWidget(b, row, col);
    };
    button(QStringLiteral("-"), 302, 0, 1, &TipPickDialog::previous_ticket);
    number_label_ = new QLabel(this);
    number_label_->setObjectName(QStringLiteral("lb301"));
    number_label_->setAlignment(Qt::AlignCenter);
    g->addWidget(number_label_, 0, 2);
    button(QStringLiteral("+"), 303, 0, 3, &TipPickDialog::next_ticket);
    auto* lb02 = new QLabel(QStringLiteral("gespielt am:"), this);
    lb02->setObjectName(QStringLiteral("lb02"));
    g->addWidget(lb02, 1, 0);
    date_label_ = new QLabel(QStringLiteral("xx.xx.xx"), this);
    date_label_->setObjectName(QStringLiteral("lb305"));
    g->addWidget(date_label_, 1, 2);
    button(QStringLiteral("&OK"), 1, 2, 0, &TipPickDialog::accept);
    button(QStringLiteral("&Abbruch"), 2, 2, 3, &TipPickDialog::reject);
    show_number();
}

void TipPickDialog::show_number() {
    const CardIndex& index = index_of(session_, kind_);
    number_ = std::clamp(number_, 1, std::max(1, index.count()));
    number_label_->setText(QString::number(number_));
    if (number_ <= index.count()) {
        const std::string date = eval_draw_date(session_.archive, session_.params, index.at(number_ - 1).first_draw);
        date_label_->setText(date.size() == 10 ? q(date.substr(0, 6) + date.substr(8)) : QStringLiteral("xx.xx.xx"));
    }
}

void TipPickDialog::previous_ticket() { step(-1); }

void TipPickDialog::next_ticket() { step(1); }

void TipPickDialog::step(int by) {
    number_ += by;
    show_number();
    if (on_step_) on_step_(number_ - 1);
}

std::optional<int> fetch_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, int& last_used,
                             const std::function<void(const CardTicket&)>& show, const std::function<void()>& restore) {
    CardIndex& index = index_of(session, kind);
    if (index.empty()) {
        ui.message(parent, kWarning, QString::fromUtf8(kCardEmpty), 1, QStringLiteral("&OK"));
        return std::nullopt;
    }
    const int start = last_used < 1 || last_used > index.count() ? 1 : last_used;
    TipPickDialog dialog(QStringLiteral("Hole TIPP aus Kartei"), session, kind, start,
                         [&](int position) { if (show) show(index.at(position)); }, parent);
    if (show) show(index.at(dialog.number() - 1));
    if (dialog.exec() != QDialog::Accepted) {
        if (restore) restore();
        return std::nullopt;
    }
    last_used = dialog.number();
    return dialog.number() - 1;
}

int keep_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, CardTicket tip, int& last_used) {
    CardIndex& index = index_of(session, kind);
    const int n = index.count();
    tip.winnings = 0;
    tip.protected_card = false;
    int position = 0;
    if (n > 0) {
        const int answer = ui.message(
            parent, kQuestion,
            QStringLiteral("Soll dieser Tipp zu der vorhandenen Kartei hinzugefügt oder|soll ein alter Tipp aus der Kartei überschrieben werden?"),
            1, QStringLiteral("&Hinzufügen|&Überschreiben|&Abbruch"));
        if (answer == 1) {
            if (n >= kCardCapacity) {
                ui.message(parent, kWarning, QString::fromUtf8(kCardFull), 1, QStringLiteral("&OK"));
                return 0;
            }
            position = n;
        } else if (answer == 2) {
            const int start = last_used < 1 || last_used > n ? n : last_used;
            // Each step shows number and date of the chosen card only; the new tip stays in the console.
            TipPickDialog dialog(QStringLiteral("Überschreibe TIPP aus Kartei"), session, kind, start, {}, parent);
            if (dialog.exec() != QDialog::Accepted) return 0;
            position = dialog.number() - 1;
        } else {
            return 0;
        }
    } else if (ui.message(parent, kQuestion, QStringLiteral("Soll dieser Tipp in eine Kartei abgelegt werden?"), 1,
                          QStringLiteral("&JA|&NEIN")) != 1) {
        return 0;
    }
    switch (index.store(position, tip)) {
        case StoreOutcome::Protected:
            ui.message(parent, kWarning, QString::fromUtf8(kCardNoOverwrite), 1, QStringLiteral("&OK"));
            return 0;
        case StoreOutcome::Full:
            ui.message(parent, kWarning, QString::fromUtf8(kCardFull), 1, QStringLiteral("&OK"));
            return 0;
        case StoreOutcome::BadPosition:
            return 0;
        default:
            break;
    }
    last_used = position + 1;
    offer_card_save(parent, ui, session, index,
                    QStringLiteral("Der Tipp wurde unter der Schein-Nr. %1 abgelegt!").arg(position + 1));
    return position + 1;
}

void offer_card_save(QWidget* parent, UiServices& ui, Session& session, CardIndex& index, const QString& stored) {
    if (ui.message(parent, kQuestion, stored + QStringLiteral("|Soll die Kartei nun abgespeichert werden?"), 1,
                   QStringLiteral("&JA|&NEIN")) != 1)
        return;
    // The current file, or the game's default file when the index has none yet; a default
    // file that could not be read is never overwritten unasked.
    const bool unread_default =
        index.file().empty() && file_exists(session.data_folder(), default_card_file(session.params.code, index.kind()));
    if (unread_default) {
        save_cards(parent, ui, session, index, true);
    } else if (Status s = save_card_index_asking(parent, ui, session, index); !s) {
        ui.message(parent, kWarning, q(s.message()), 1, QStringLiteral("&OK"));
    }
}

bool delete_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, int number) {
    CardIndex& index = index_of(session, kind);
    if (number < 1 || number > index.count()) return false;
    if (index.at(number - 1).protected_card) {
        ui.message(parent, kWarning, QStringLiteral("Tippschein Nr. %1 ist schreibgeschützt!").arg(number), 1,
                   QStringLiteral(" &OK "));
        return false;
    }
    if (ui.message(parent, kQuestion, QStringLiteral("Tippschein Nr. %1 löschen").arg(number), 2,
                   QStringLiteral("&JA|&NEIN")) != 1)
        return false;
    return index.remove(number - 1) == StoreOutcome::Overwritten;
}

std::optional<ImportResult> import_tip(QWidget* parent, UiServices& ui, const Session& session) {
    FileRequest r;
    r.title = QStringLiteral("Reihen importieren:");
    r.filter = QStringLiteral("TXT- und CSV-Dateien|*.txt;*.csv");
    r.default_suffix = QStringLiteral("txt");
    r.folder = q(session.data_folder().string());
    const auto answer = ui.file_dialog(parent, r);
    if (!answer || answer->isEmpty()) return std::nullopt;
    const std::string name = import_file_name(answer->toStdString());
    std::error_code ec;
    if (!fs::is_regular_file(name, ec)) return std::nullopt;  // a missing file ends the import silently
    auto result = import_rows_file(name, session.params.code);
    if (!result) return std::nullopt;
    ui.message(parent, result->rows.empty() ? kWarning : kInformation, q(import_message(*result)), 1,
               QStringLiteral("&OK"));
    if (result->rows.empty()) return std::nullopt;
    return result;
}

OnlineTipConfig read_online_tip_config(const Session& session) {
    OnlineTipConfig c;
    const QString ini = QDir(q(session.data_folder().string())).filePath(QStringLiteral("Ziehwerk.ini"));
    if (!QFileInfo::exists(ini)) return c;
    QSettings s(ini, QSettings::IniFormat);
    c.shop = s.value(QStringLiteral("OnlineTipp/Shop")).toString().toStdString();
    c.partner_id = s.value(QStringLiteral("OnlineTipp/PartnerId")).toString().toStdString();
    c.affiliate_id = s.value(QStringLiteral("OnlineTipp/AffiliateId")).toString().toStdString();
    c.advice = s.value(QStringLiteral("OnlineTipp/Beratung"), q(c.advice)).toString().toStdString();
    return c;
}

WarnDialog::WarnDialog(UiServices& ui, QString advice, QWidget* parent)
    : QDialog(parent), ui_(ui), advice_(std::move(advice)) {
    setObjectName(QStringLiteral("warn"));
    setWindowTitle(QStringLiteral("Achtung: Glücksspiel"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral(
        "Glücksspiel kann süchtig machen.\n\n"
        "Spielen Sie nur mit Geld, dessen Verlust Sie verkraften können,\n"
        "und nur, solange es Ihnen Freude macht. Teilnahme ab 18 Jahren.\n\n"
        "Auf der folgenden Seite des Online-Shops wird Ihr Tippschein\n"
        "vorausgefüllt; gespielt wird erst, wenn Sie ihn dort abschicken."), this);
    layout->addWidget(text);
    auto* lbl53 = new QPushButton(QStringLiteral("Hilfe und Beratung: ") + advice_, this);
    lbl53->setObjectName(QStringLiteral("lbl53"));
    lbl53->setFlat(true);
    lbl53->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline; text-align: left"));
    connect(lbl53, &QPushButton::clicked, this, &WarnDialog::lbl53_Click);
    layout->addWidget(lbl53);
    auto* row = new QHBoxLayout;
    auto* cmd42 = new QPushButton(QStringLiteral("&Weiter zum Online-Tipp"), this);
    cmd42->setObjectName(QStringLiteral("cmd42"));
    connect(cmd42, &QPushButton::clicked, this, &WarnDialog::cmd42_Click);
    auto* cmd43 = new QPushButton(QStringLiteral("&Abbruch"), this);
    cmd43->setObjectName(QStringLiteral("cmd43"));
    cmd43->setDefault(true);
    connect(cmd43, &QPushButton::clicked, this, &WarnDialog::cmd43_Click);
    row->addWidget(cmd42);
    row->addWidget(cmd43);
    layout->addLayout(row);
}

void WarnDialog::lbl53_Click() {
    if (!advice_.isEmpty()) open_url_or_report(ui_, this, QUrl(advice_));
}

bool online_tip(QWidget* parent, UiServices& ui, const Session& session, const CardTicket& tip) {
    const OnlineTipConfig config = read_online_tip_config(session);
    WarnDialog warn(ui, q(config.advice), parent);
    if (warn.exec() != QDialog::Accepted) return false;
    const OnlineTip address = online_tip_address(config, session.params.code, tip);
    if (!address.message.empty()) {
        ui.message(parent, kInformation, q(address.message), 1, QStringLiteral("&OK"));
        return false;
    }
    return open_url_or_report(ui, parent, QUrl(q(address.address)));
}

bool confirm_clear_ticket(QWidget* parent, UiServices& ui) {
    return ui.message_box(parent, MessageRequest{kQuestion, QStringLiteral("Soll der Tippschein gelöscht werden?"), 2,
                                                 QStringLiteral("&JA|&NEIN"), QStringLiteral("Schein löschen")}) == 1;
}

}  // namespace zw
