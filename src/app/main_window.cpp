#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QUrlQuery>

#include "app/commands/commands.h"
#include "app/help_window.h"
#include "archive/save_draws_dialog.h"
#include "cardindex/card_file_dialog.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_picture_widget.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
namespace {

// The display keeps its documented size where the screen has room for it
// (frame and menu bar included); on a smaller screen the ticket picture is
// scaled down to the room.
// The ticket picture of a game's normal ticket: the window is centred on it.
QSize normal_slip_size(const GameParams& params) {
    const TicketLayout l(params, false, true);
    return {l.width(), l.height()};
}

QSize display_size(QSize slip) {
    int width = slip.width(), height = slip.height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(8, 64);
        if (width > room.width() && room.width() > 200) {
            height = height * room.width() / width;
            width = room.width();
        }
        return {width, std::min(height, room.height())};
    }
    return {width, height};
}
const char* const kModuleMissing = "  Das gewählte Programm-Modul ist nicht vorhanden!";
const char* const kUnsavedWarning = "V O R S I C H T !|Neue Daten sind noch nicht gespeichert !";

}  // namespace

WebShopConfig WebShopConfig::read(const QString& data_folder) {
    WebShopConfig c;
    const QString ini = QDir(data_folder).filePath(QStringLiteral("Ziehwerk.ini"));
    if (!QFileInfo::exists(ini)) return c;
    QSettings s(ini, QSettings::IniFormat);
    c.address = s.value(QStringLiteral("Webshop/Address"), c.address).toString();
    c.partner_id = s.value(QStringLiteral("Webshop/PartnerId"), c.partner_id).toString();
    c.affiliate_id = s.value(QStringLiteral("Webshop/AffiliateId"), c.affiliate_id).toString();
    return c;
}

QString WebShopConfig::domain() const {
    QString host = QUrl(address).host();
    if (host.startsWith(QLatin1String("www."))) host.remove(0, 4);
    return host;
}

QUrl WebShopConfig::product_url() const {
    QUrl url(address);
    url.setPath(QStringLiteral("/webshop/product/lottonormal/"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("partnerId"), partner_id);
    query.addQueryItem(QStringLiteral("action"), QStringLiteral("prefill_ticket"));
    query.addQueryItem(QStringLiteral("affiliateId"), affiliate_id);
    query.addQueryItem(QStringLiteral("quicktippTicketId"), QStringLiteral("1"));
    url.setQuery(query);
    return url;
}

MainWindow::MainWindow(Session& session, UiServices& ui, QWidget* parent)
    : QMainWindow(parent), session_(session), ui_(ui) {
    setObjectName(QStringLiteral("Win_1"));
    setWindowTitle(QStringLiteral("Ziehwerk V25.0"));
    web_shop_ = WebShopConfig::read(q(session_.data_folder().string()));
    picture_ = new TicketPictureWidget(session_, ui_, this);
    picture_->set_help([this](const QString& topic) { show_help(topic); });
    setCentralWidget(picture_);
    install_frame_commands();
    install_commands(*this, *this);
    build_menu_bar();
}

MainWindow::~MainWindow() = default;

void MainWindow::start_program(const QString& argument) {
    const GameCode code = initial_game(
        [&](std::string_view f) { return file_exists(session_.data_folder(), f); },
        argument.toStdString());
    // Size, place and show the window for the start game first, so that a
    // message about its files (and the file selector) stands over the
    // finished main window.
    picture_->setFixedSize(display_size(normal_slip_size(game_params(code))));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->availableGeometry();
        move(std::max(0, (g.width() - width()) / 2), std::max(0, (g.height() - 494) / 2 - 64));
    }
    show();
    select_game_and_report(code);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->availableGeometry();
        move(std::max(0, (g.width() - normal_slip_size(session_.params).width()) / 2),
             std::max(0, (g.height() - 494) / 2 - 64));
    }
    relayout();
}

void MainWindow::build_menu_bar() {
    menuBar()->clear();
    actions_.clear();
    const auto bar = build_menu(menu_definition(), session_.params.austria);
    std::function<void(QMenu*, const std::vector<MenuNode>&)> fill = [&](QMenu* menu,
                                                                         const auto& nodes) {
        for (const MenuNode& n : nodes) {
            if (n.kind == MenuNode::kSeparator) {
                menu->addSeparator();
            } else if (n.kind == MenuNode::kSubmenu) {
                QMenu* sub = menu->addMenu(q(n.label));
                fill(sub, n.children);
            } else {
                QString label = q(n.label);
                if (command_of(n.id) == Command::WebShop)
                    label = QLatin1Char('&') + web_shop_.domain();
                QAction* a = menu->addAction(label);
                a->setObjectName(QStringLiteral("menu_%1").arg(n.id));
                const Command command = command_of(n.id);
                connect(a, &QAction::triggered, this,
                        [this, command] { Win_1_MenuEvent(command); });
                actions_[command] = a;
            }
        }
    };
    for (const MenuNode& drop : bar) {
        QMenu* m = menuBar()->addMenu(q(drop.label));
        fill(m, drop.children);
    }
    refresh_menu_marks();
}

QAction* MainWindow::menu_action(Command command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::set_command(Command command, std::function<void()> run) {
    commands_[command] = std::move(run);
    if (QAction* a = menu_action(command)) a->setEnabled(true);
}

void MainWindow::refresh_menu_marks() {
    for (auto& [command, a] : actions_) {
        a->setCheckable(false);
        a->setEnabled(commands_.count(command) > 0);
    }
    const bool narrow_game = session_.params.austria || session_.params.swiss;
    for (Command c : {Command::Layout49x1, Command::Layout7x7}) {
        if (QAction* a = menu_action(c)) {
            a->setEnabled(!narrow_game);
            a->setCheckable(!narrow_game);
            a->setChecked(!narrow_game && ((c == Command::Layout7x7) == seven_by_seven()));
        }
    }
    // The selected game's two entries carry the check mark.
    const auto marked = game_info(session_.params.code).menu_ids;
    for (Command c : {Command::Lotto6aus49, Command::Lotto6aus45, Command::Elferwette,
                      Command::AustrianLotto, Command::LottoSaturday, Command::LottoWednesday,
                      Command::LottoBoth, Command::SwissLotto}) {
        if (QAction* a = menu_action(c)) {
            a->setCheckable(true);
            a->setChecked(menu_id(c) == marked[0] || menu_id(c) == marked[1]);
        }
    }
}

bool MainWindow::warn_unsaved() {
    // Unsaved card-index changes are guarded like unsaved draws.
    if (!warn_unsaved_cards(this, ui_, session_)) return false;
    if (!session_.archive.saved()) {
        const int answer = ui_.message(this, kWarning, QString::fromUtf8(kUnsavedWarning), 1,
                                       QStringLiteral("&Zurück|&Egal"));
        if (answer != 2) return false;
        session_.archive.set_saved(true);
    }
    session_.normal_cards.set_saved(true);
    session_.system_cards.set_saved(true);
    return true;
}

void MainWindow::install_frame_commands() {
    // A switch closes the secondary windows unless it stays within the game's
    // family (`family`: the flag of the current game's parameters; none: always).
    const auto game = [this](Command c, GameCode code, const char* file, bool GameParams::*family) {
        set_command(c, [this, code, file, family] {
            switch_game(code, file, family == nullptr || !(session_.params.*family));
        });
    };
    game(Command::Lotto6aus49, kLottoSaturday, "Lotto.Dat", &GameParams::german_lotto);
    game(Command::LottoSaturday, kLottoSaturday, "Lotto.Dat", &GameParams::german_lotto);
    game(Command::LottoWednesday, kLottoWednesday, "M_Lotto.Dat", &GameParams::german_lotto);
    game(Command::LottoBoth, kLottoBoth, "SM_Lotto.Dat", &GameParams::german_lotto);
    game(Command::Lotto6aus45, kToto, "Toto.Dat", nullptr);
    game(Command::AustrianLotto, kAustria, "O_Lotto.Dat", &GameParams::austria);
    game(Command::SwissLotto, kSwiss, "Swiss.Dat", &GameParams::swiss);
    const auto module = [this](Command c, const char* program, const char* parameter,
                               const char* file) {
        set_command(c, [this, program, parameter, file] {
            launch_module(QString::fromLatin1(program), QString::fromLatin1(parameter), file);
        });
    };
    module(Command::Elferwette, "Wettwerk.Exe", "0", "Elfer.Dat");
    module(Command::ArchiveToto, "Wettwerk.Exe", "1", "O_Toto.Dat");
    module(Command::Wette13, "Wettwerk.Exe", "2", "13Wette.Dat");
    module(Command::AustrianToto, "Wettwerk.Exe", "3", "A_Toto.Dat");
    module(Command::Keno, "BALLWERK.EXE", "", "Keno.Dat");
    module(Command::EuroMillions, "KRONWERK.EXE", "0", "Euro.Dat");
    module(Command::EuroJackpot, "KRONWERK.EXE", "1", "Jack.Dat");
    set_command(Command::Exit, [this] { exit_program(); });
    set_command(Command::LoadDraws, [this] { choose_and_load_draws(); });
    set_command(Command::SaveDraws, [this] { save_draws(); });
    set_command(Command::Layout49x1, [this] { set_layout(false); });
    set_command(Command::Layout7x7, [this] { set_layout(true); });
    set_command(Command::Help, [this] { show_help(QStringLiteral("info.htm")); });
    set_command(Command::About, [this] { show_info(); });
    set_command(Command::WebShop, [this] { open_web_shop(); });
}

void MainWindow::Win_1_MenuEvent(Command command) {
    no_relayout_ = false;
    if (auto it = commands_.find(command); it != commands_.end()) it->second();
    if (ended_) return;
    if (!no_relayout_) relayout();
    refresh_menu_marks();
}

void MainWindow::leave_system_mode() {
    if (!session_.ticket.system_mode) return;
    session_.ticket.system_mode = false;
    relayout();
}

void MainWindow::ticket_changed() {
    picture_->update();
}

void MainWindow::set_slip_layout(bool seven_by_seven) {
    set_layout(seven_by_seven);
    relayout();
    refresh_menu_marks();
}

void MainWindow::on_display_changed(QObject* context, std::function<void()> fn) {
    connect(this, &MainWindow::display_changed, context, std::move(fn));
}

void MainWindow::set_layout(bool seven_by_seven) {
    Ticket& t = session_.ticket;
    t.seven_by_seven = seven_by_seven;
    if (!seven_by_seven) t.system_mode = false;
}

void MainWindow::relayout() {
    picture_->setFixedSize(display_size(picture_->slip_size()));
    adjustSize();
    picture_->update();
    emit display_changed();
}

bool MainWindow::module_present(const char* file) const { return session_.modules.has(file); }

void MainWindow::switch_game(GameCode code, const char* needed_file, bool close_windows) {
    if (!module_present(needed_file)) {
        ui_.message(this, kWarning, QString::fromUtf8(kModuleMissing), 1, QStringLiteral("Alles klar!"));
        return;
    }
    if (close_windows) close_secondary_windows();
    if (!warn_unsaved()) return;  // the game stays as it is
    select_game_and_report(code);
}

void MainWindow::select_game_and_report(GameCode code) {
    const int previous_austria = session_.params.austria;
    SelectOutcome out = session_.select_game(code);
    // The new game's ticket starts empty: the cursor goes back to its first row.
    if (picture_) picture_->select_slot(0);
    if (out.draw_file_missing) {
        ui_.message(this, kWarning, q(out.status.message()), 1, QStringLiteral("&OK"));
        choose_and_load_draws();
    } else if (!out.status) {
        ui_.message(this, kWarning, q(out.status.message()), 1, QStringLiteral("&OK"));
    }
    show_warnings(out.warnings);
    const int width = normal_slip_size(session_.params).width();
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && isVisible()) {
        const QRect g = screen->availableGeometry();
        move(std::max(0, (g.width() - width) / 2), std::max(0, (g.height() - 494) / 2 - 64));
    }
    if (previous_austria != session_.params.austria || actions_.empty()) build_menu_bar();
    refresh_menu_marks();
    emit display_changed();
}

void MainWindow::show_warnings(const std::vector<std::string>& warnings) {
    if (warnings.empty()) return;
    QString text;
    for (const auto& w : warnings) text += q(w) + QLatin1Char('|');
    text.chop(1);
    ui_.message(this, kWarning, text, 1, QStringLiteral("&OK"));
}

void MainWindow::choose_and_load_draws() {
    const QString current = q(std::string(session_.params.info().draw_file));
    FileRequest req;
    req.title = QStringLiteral("Ziehungen laden:");
    req.default_suffix = QStringLiteral("dat");
    req.filter = QStringLiteral("DAT-Dateien|*.DAT");
    req.preset = current;
    req.folder = q(session_.data_folder().string());
    const auto chosen = ui_.file_dialog(this, req);
    if (!chosen || !QFileInfo(*chosen).isFile()) return;  // keep the previous file
    SelectOutcome out = session_.load_draw_file(chosen->toStdString());
    if (!out.status) ui_.message(this, kWarning, q(out.status.message()), 1, QStringLiteral("&OK"));
    show_warnings(out.warnings);
    emit display_changed();
}

void MainWindow::save_draws() { save_draws_asking(this, ui_, session_); }

void MainWindow::launch_module(const QString& program, const QString& parameter,
                               const char* needed_file) {
    if (!module_present(needed_file)) {
        ui_.message(this, kWarning, QString::fromUtf8(kModuleMissing), 1, QStringLiteral("Alles klar!"));
        return;
    }
    if (!warn_unsaved()) return;
    // The sibling program is looked for in the data folder, then beside this program.
    auto path = find_file(session_.data_folder(), program.toStdString());
    if (!path) path = find_file(QCoreApplication::applicationDirPath().toStdString(), program.toStdString());
    if (path)
        ui_.start_program(q(path->string()),
                          parameter.isEmpty() ? QStringList() : QStringList{parameter});
    exit_program();
}

void MainWindow::exit_program() {
    if (!warn_unsaved()) return;
    close_secondary_windows();
    if (help_) help_->close();
    ended_ = true;
    close();
    emit ended();
}

void MainWindow::add_secondary_window(QWidget* window) {
    secondary_.emplace_back(window);
}

QWidget* MainWindow::open_secondary_window() const {
    for (const auto& w : secondary_)
        if (w && w->isVisible()) return w;
    return nullptr;
}

void MainWindow::close_secondary_windows() {
    for (auto& w : secondary_)
        if (w) w->close();
    secondary_.clear();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    if (QWidget* w = open_secondary_window()) {
        w->raise();
        w->activateWindow();
        return;
    }
    if (session_.archive.saved()) {
        if (ui_.message(this, kQuestion, QStringLiteral("Programm beenden?"), 1,
                        QStringLiteral("&JA|&NEIN")) != 1)
            return;
    }
    exit_program();
}

void MainWindow::show_help(const QString& topic) {
    if (!HelpWindow::has_topic(topic)) {
        ui_.message(this, kWarning,
                    QStringLiteral("Error while trying to display a topic of ziehwerk.chm"), 1,
                    QStringLiteral("&OK"));
        return;
    }
    // A modal dialog blocks every window but its own children: from a dialog
    // the help window belongs to that dialog, so it can scroll and close.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = this;
    if (help_ && help_->parentWidget() != owner) delete help_;
    if (!help_) help_ = new HelpWindow(owner);
    help_->show_topic(topic);
}

void MainWindow::show_info() {
    ui_.message(this, kInformation,
                QStringLiteral("Ziehwerk V25.0||Ziehungsarchiv, Statistik, Tippscheine und "
                               "Gewinnauswertung|für Lotto 6 aus 49, Toto Auswahlwette, "
                               "Österreich Lotto und Swiss Lotto.||Datenordner:|") +
                    q(session_.data_folder().string()),
                1, QStringLiteral("&OK"));
}

void MainWindow::open_web_shop() { open_url_or_report(ui_, this, web_shop_.product_url()); }

}  // namespace zw
