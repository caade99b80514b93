#include "archive/net_update_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "archive/calendar.h"
#include "archive/draw_entry.h"
#include "net/net_client.h"
#include "session/session.h"
#include "ui/fonts.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

constexpr std::array<const char*, 4> kStartTexts = {
    "Es wird jetzt versucht die Ziehungen über das Internet zu aktualisieren.",
    "Schritt 1:",
    "Eine Verbindung zur Autorenseite wird aufgebaut und die aktuellen Ziehungen herunter geladen.",
    "Bitte warten Sie ab was passiert und bestätigen Sie eventuell notwendige Internet-Operationen."};
constexpr std::array<const char*, 4> kNothingNewerTexts = {
    "Momentan sind keine aktuelleren Ziehun- gen auf der Autorenseite verfügbar.",
    "Schritt 2:",
    "Die Internetverbindung wird wieder abge- brochen.",
    "Bitte rufen Sie die Net-Update Funktion zu einen späteren Zeitpunkt noch mal auf."};
constexpr std::array<const char*, 4> kUpdatedTexts = {
    "Das Net-Update konnte erfolgreich durch- geführt werden.",
    "Schritt 2:",
    "Alle Ziehungen wurden aktualisiert. Die Internetverbindung wird wieder unter- brochen.",
    "Der eventuell geöffnete Internet-Explorer kann wieder geschlossen werden."};

// The texts carry the hyphenations of a narrow label ("Ziehun- gen"): they
// become soft hyphens, so the word breaks there only when the line is full.
QString shown(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("- "), QString(QChar(0x00AD)));
}

}  // namespace

NetUpdateDialog::NetUpdateDialog(Session& session, UiServices& ui, NetAddresses addresses,
                                 QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), addresses_(std::move(addresses)) {
    setObjectName(QStringLiteral("frm4"));
    setWindowTitle(QStringLiteral("Net-Update"));
    auto* layout = new QVBoxLayout(this);
    for (size_t k = 0; k < labels_.size(); ++k) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("lbl%1").arg(k + 1));
        l->setWordWrap(true);
        QFont f = ui_font(4);
        if (k == 1) f.setBold(true);
        l->setFont(f);
        labels_[k] = l;
        layout->addWidget(l);
    }
    sources_label_ = new QLabel(this);
    sources_label_->setObjectName(QStringLiteral("lblQuellen"));
    sources_label_->setWordWrap(true);
    sources_label_->setFont(ui_font(4));
    sources_label_->hide();
    layout->addWidget(sources_label_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pb1"));
    progress_->setRange(0, 0);  // busy until the size is known
    layout->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    cmd40_ = new QPushButton(QStringLiteral("&Hilfe"), this);
    cmd40_->setObjectName(QStringLiteral("cmd40"));
    cmd40_->setAutoDefault(false);
    cmd41_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cmd41_->setObjectName(QStringLiteral("cmd41"));
    cmd41_->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cmd40_);
    buttons->addWidget(cmd41_);
    layout->addLayout(buttons);
    connect(cmd40_, &QPushButton::clicked, this, &NetUpdateDialog::cmd40_Click);
    connect(cmd41_, &QPushButton::clicked, this, &NetUpdateDialog::cmd41_Click);
    show_texts(kStartTexts);
    setFixedWidth(440);
}

void NetUpdateDialog::show_texts(const std::array<const char*, 4>& texts) {
    for (size_t k = 0; k < texts.size(); ++k) labels_[k]->setText(shown(texts[k]));
}

QStringList NetUpdateDialog::texts() const {
    QStringList out;
    for (const QLabel* l : labels_) out << l->text();
    return out;
}

void NetUpdateDialog::fail(const std::string& message) {
    outcome_ = Outcome::kFailed;
    ui_.message(this, kWarning, QStringLiteral("Das Net-Update ist fehlgeschlagen:|") + q(message), 1,
                QStringLiteral("&OK"));
    done(QDialog::Rejected);
}

NetUpdateDialog::Outcome NetUpdateDialog::run() {
    outcome_ = Outcome::kRunning;
    cancel_ = false;
    booked_to_ = newest_booked_draw(session_);
    NetClient client(addresses_.timeout_seconds * 1000);
    client.cancelled = [this] { return cancel_; };
    client.progress = [this](qint64 received, qint64 total) {
        if (total > 0) {
            progress_->setRange(0, static_cast<int>(total));
            progress_->setValue(static_cast<int>(received));
        }
    };
    sources_ = {};
    if (!update_sources(client)) return outcome_;
    const bool sources_changed = sources_.saved;
    auto finish_without_bundle = [&] {
        cmd41_->setText(QStringLiteral("&OK"));
        cmd41_->setFocus();
        if (sources_changed) reload();
        outcome_ = sources_changed ? Outcome::kUpdated : Outcome::kNothingNewer;
        show_texts(sources_changed ? kUpdatedTexts : kNothingNewerTexts);
        return outcome_;
    };
    if (addresses_.bundle.empty()) return finish_without_bundle();
    progress_->setRange(0, 0);
    const Download d = client.get(addresses_.bundle);
    if (cancel_) {
        // The bundle changed nothing; draws the sources brought are saved.
        if (sources_changed) reload();
        outcome_ = Outcome::kCancelled;
        done(QDialog::Rejected);
        return outcome_;
    }
    if (!d.ok) {
        // After the sources were read, a bundle that cannot be had is only reported.
        if (sources_.games.empty()) {
            fail(d.error);
            return outcome_;
        }
        ui_.message(this, kWarning,
                    QStringLiteral("Das Update-Paket konnte nicht geladen werden:|") + q(d.error), 1,
                    QStringLiteral("&OK"));
        return finish_without_bundle();
    }
    progress_->setRange(0, 1);
    progress_->setValue(1);
    cmd41_->setEnabled(false);  // the swap is quick and is not interrupted
    const Status s = update_from_bundle(session_.data_folder(), d.body, false, plan_);
    cmd41_->setEnabled(true);
    cmd41_->setFocus();  // RETURN closes, never opens the help
    if (!s) {
        fail(s.message());
        return outcome_;
    }
    cmd41_->setText(QStringLiteral("&OK"));
    if (!plan_.any_newer() && !sources_changed) {
        outcome_ = Outcome::kNothingNewer;
        show_texts(kNothingNewerTexts);
        return outcome_;
    }
    reload();
    outcome_ = Outcome::kUpdated;
    show_texts(kUpdatedTexts);
    return outcome_;
}

void NetUpdateDialog::reload() {
    const SelectOutcome r = session_.select_game(session_.params.code);
    if (!r.status) {
        ui_.message(this, kWarning, q(r.status.message()), 1, QStringLiteral("&OK"));
        return;
    }
    QStringList wins;
    for (const std::string& win : book_new_draws(session_, booked_to_)) wins << q(win);
    booked_to_ = newest_booked_draw(session_);
    if (!wins.isEmpty()) ui_.message(this, kInformation, wins.join(QLatin1Char('|')), 1, QStringLiteral("&OK"));
}

bool NetUpdateDialog::update_sources(NetClient& client) {
    SourceTexts texts;
    const std::array<std::tuple<const std::string*, const char*, std::optional<std::string>*>, 2> sources = {
        std::tuple{&addresses_.source_lotto, "Lotto 6 aus 49", &texts.german},
        std::tuple{&addresses_.source_austria, "Lotto 6 aus 45", &texts.austrian}};
    for (const auto& [url, name, into] : sources) {
        if (url->empty()) continue;
        progress_->setRange(0, 0);
        const Download d = client.get(*url);
        if (cancel_) {
            // Nothing was changed yet: no message, no reload.
            outcome_ = Outcome::kCancelled;
            done(QDialog::Rejected);
            return false;
        }
        if (!d.ok) {
            fail(std::string(name) + ": " + d.error);
            return false;
        }
        *into = std::string(d.body.begin(), d.body.end());
    }
    if (!texts.german && !texts.austrian) return true;
    const fs::path folder = session_.data_folder();
    UpdateResult preview;
    if (Status s = update_from_sources(folder, texts, true, false, preview); !s) {
        fail(s.message());
        return false;
    }
    // Nothing is overwritten silently: differing draws are listed and kept
    // unless the user takes them.
    QString differing;
    int count = 0;
    for (const GameUpdate& g : preview.games)
        for (const DifferingDraw& d : g.differing) {
            auto numbers = [](const std::array<int, 7>& v) {
                QString t;
                for (size_t k = 0; k < 6; ++k) t += (k ? QStringLiteral(" ") : QString()) + QString::number(v[k]);
                if (v[6] >= 0) t += QStringLiteral(" / ") + QString::number(v[6]);
                return t;
            };
            if (++count <= 12)
                differing += QStringLiteral("|%1 %2: gespeichert %3, Quelle %4")
                                 .arg(q(std::string(game_info(g.game).name)), q(d.date), numbers(d.stored),
                                      numbers(d.source));
        }
    bool take = false;
    if (count > 0) {
        if (count > 12) differing += QStringLiteral("|und %1 weitere").arg(count - 12);
        take = ui_.message(this, kQuestion,
                           QStringLiteral("%1 Ziehungen der Quellen weichen von den gespeicherten ab:").arg(count) +
                               differing + QStringLiteral("|Sollen die gespeicherten Ziehungen behalten werden?"),
                           1, QStringLiteral("&Behalten|Ü&berschreiben")) == 2;
    }
    cmd41_->setEnabled(false);  // the saves are quick and are not interrupted
    const Status s = update_from_sources(folder, texts, false, take, sources_);
    cmd41_->setEnabled(true);
    if (!s) {
        fail(s.message());
        return false;
    }
    QStringList lines;
    for (const GameUpdate& g : sources_.games)
        lines << QStringLiteral("%1: %2 neue Ziehungen, neueste vom %3")
                     .arg(q(std::string(game_info(g.game).name)))
                     .arg(g.new_count())
                     .arg(g.newest.empty() ? QStringLiteral("-") : q(g.newest));
    sources_label_->setText(lines.join(QLatin1Char('\n')));
    sources_label_->show();
    return true;
}

void NetUpdateDialog::cmd40_Click() {
    if (show_help) show_help(QStringLiteral("Net-Update.htm"));
}

void NetUpdateDialog::cmd41_Click() {
    if (outcome_ == Outcome::kRunning) {
        cancel_ = true;
        return;
    }
    accept();
}

void NetUpdateDialog::reject() {
    // The close box while downloading cancels like "&Abbrechen".
    if (outcome_ == Outcome::kRunning) {
        cancel_ = true;
        return;
    }
    QDialog::reject();
}

void net_update(Host& host) {
    if (!host.confirm_discard_unsaved()) return;
    Session& session = host.session();
    NetUpdateDialog dialog(
        session, host.ui(),
        read_net_addresses(QString::fromStdString(session.data_folder().string())),
        host.parent_widget());
    dialog.show_help = [&host](const QString& topic) { host.show_help(topic); };
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    const auto outcome = dialog.run();
    if (outcome == NetUpdateDialog::Outcome::kNothingNewer ||
        outcome == NetUpdateDialog::Outcome::kUpdated)
        dialog.exec();
    if (outcome == NetUpdateDialog::Outcome::kUpdated) host.menus_changed();
}

bool fetch_into_entry(DrawEntry& entry, const NetAddresses& addresses, const Fetcher& get,
                      UiServices& ui, QWidget* parent, const std::function<bool()>& cancelled) {
    const int n = entry.entry_draw();
    const FetchResult r = fetch_draw(entry.params(), n, addresses, get);
    if (cancelled && cancelled()) return false;
    if (entry.entry_draw() != n) {
        // The entry moved on while waiting: the numbers belong to draw n only.
        ui.message(parent, kWarning,
                   QStringLiteral("Die abgerufenen Zahlen der Ziehung %1 vom %2 wurden verworfen:|"
                                  "die Eingabe zeigt inzwischen eine andere Ziehung.")
                       .arg(n)
                       .arg(q(draw_date(entry.params().code, n).text)),
                   1, QStringLiteral("&OK"));
        return false;
    }
    if (!r.draw || !entry.fill_fields(n, r.draw->values)) {
        // Boxes filled by an earlier fetch are emptied; numbers stored for the
        // draw stay, or moving on would erase them from the side tables.
        entry.reset_side_boxes();
        ui.message(parent, kWarning, q(r.draw ? kNoNumbersYet : r.message), 1, QStringLiteral("&OK"));
        return false;
    }
    const FetchedDraw& d = *r.draw;
    if (entry.side_box_usable() && !d.side.empty()) entry.side_box = d.side;
    if (entry.super6_box_usable() && !d.super6.empty()) entry.super6_box = d.super6;
    if (entry.plus_boxes_usable())
        for (size_t k = 0; k < 6; ++k)
            if (d.plus[k] != 0) entry.plus_boxes[k] = std::to_string(d.plus[k]);
    return is_german_game(entry.params().code) && !entry.side_box.empty() &&
           !entry.super6_box.empty();
}

std::function<bool(DrawEntry&, const std::function<bool()>&)> draw_fetcher(Session& session, UiServices& ui,
                                                                           QWidget* parent) {
    return [&session, &ui, parent](DrawEntry& entry, const std::function<bool()>& cancelled) {
        const NetAddresses a =
            read_net_addresses(QString::fromStdString(session.data_folder().string()));
        NetClient client(a.timeout_seconds * 1000);
        client.cancelled = cancelled;
        // A wait cursor during each download only, so messages show the normal one.
        const Fetcher get = [&client](const std::string& url) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            Download d = client.get(url);
            QApplication::restoreOverrideCursor();
            return d;
        };
        return fetch_into_entry(entry, a, get, ui, parent, cancelled);
    };
}

}  // namespace zw
