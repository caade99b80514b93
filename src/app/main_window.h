// The main window: menu, command dispatch, game switches, the unsaved-data
// guard and the end of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "app/menu_definition.h"
#include "app/session.h"
#include "ui/ui_services.h"

class QAction;

namespace zw {

class TicketPictureWidget;
class HelpWindow;

// Web shop address and identifiers from Ziehwerk.ini in the data folder.
struct WebShopConfig {
    QString address = QStringLiteral("https://www.lotto-webshop.example");
    QString partner_id = QStringLiteral("ziehwerk");
    QString affiliate_id = QStringLiteral("ziehwerk");
    static WebShopConfig read(const QString& data_folder);
    QString domain() const;
    QUrl product_url() const;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, UiServices& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Chooses the start game (command-line digit honoured), loads it and lays
    // out the window. `argument` is the first command-line argument.
    void start_program(const QString& argument);

    // Runs the command of a menu id.
    void Win_1_MenuEvent(int id);
    // Asks before discarding unsaved draws; true when the operation may go on.
    bool warn_unsaved();
    void exit_program();
    void refresh_menu_marks();
    void show_help(const QString& topic);

    // Lets a subsystem provide the command behind a menu id (enables the entry).
    void set_command(int id, std::function<void()> command);
    // A window that is closed on a game switch and keeps the program open.
    void add_secondary_window(QWidget* window);
    // Back to the normal ticket and its window size (before the draw viewer).
    void leave_system_mode();
    // Suppresses the re-layout after the current command (settings dialogs).
    void set_no_relayout() { no_relayout_ = true; }

    QAction* menu_action(int id) const;
    bool program_ended() const { return ended_; }
    bool system_mode() const { return session_.ticket.system_mode; }
    bool seven_by_seven() const { return session_.ticket.seven_by_seven; }
    // The number field: the ticket picture of the tip console.
    TicketPictureWidget* ticket_picture() const { return picture_; }
    Session& session() { return session_; }
    UiServices& ui() { return ui_; }

signals:
    void ended();
    // After every command and game switch: the display should redraw.
    void display_changed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menu_bar();
    void relayout();
    void set_layout(bool seven_by_seven);
    void switch_game(int code, const char* needed_file, bool close_windows);
    void select_game_and_report(int code);
    void choose_and_load_draws();
    void save_draws();
    void launch_module(const QString& program, const QString& parameter, const char* needed_file);
    void show_info();
    void open_web_shop();
    bool module_present(const char* file) const;
    void show_warnings(const std::vector<std::string>& warnings);
    void close_secondary_windows();
    QWidget* open_secondary_window() const;

    Session& session_;
    UiServices& ui_;
    WebShopConfig web_shop_;
    TicketPictureWidget* picture_ = nullptr;
    QPointer<HelpWindow> help_;
    std::map<int, QAction*> actions_;
    std::map<int, std::function<void()>> commands_;
    std::vector<QPointer<QWidget>> secondary_;
    bool no_relayout_ = false;
    bool ended_ = false;
};

// Installs the commands that the subsystems' windows provide.
void install_commands(MainWindow& window);

}  // namespace zw
