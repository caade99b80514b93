// The main window: menu, command dispatch, game switches, the unsaved-data
// guard and the end of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "app/commands/commands.h"
#include "app/menu_definition.h"
#include "games/game_catalogue.h"
#include "session/session.h"
#include "ui/host.h"
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

class MainWindow : public QMainWindow, public Host, public CommandTable {
    Q_OBJECT
public:
    MainWindow(Session& session, UiServices& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Chooses the start game (command-line digit honoured), loads it and lays
    // out the window. `argument` is the first command-line argument.
    void start_program(const QString& argument);

    // Runs a command as its menu entry does.
    void Win_1_MenuEvent(Command command);
    // Asks before discarding unsaved draws; true when the operation may go on.
    bool warn_unsaved();
    bool confirm_discard_unsaved() override { return warn_unsaved(); }
    void exit_program();
    void refresh_menu_marks();
    void show_help(const QString& topic) override;

    // Lets a subsystem provide the command behind a menu id (enables the entry).
    void set_command(Command command, std::function<void()> run) override;
    // A window that is closed on a game switch and keeps the program open.
    void add_secondary_window(QWidget* window) override;
    void leave_system_mode() override;
    // Suppresses the re-layout after the current command (settings dialogs).
    void keep_layout() override { no_relayout_ = true; }
    void menus_changed() override { refresh_menu_marks(); }
    QWidget* parent_widget() override { return this; }
    void ticket_changed() override;
    void set_slip_layout(bool seven_by_seven) override;
    void on_display_changed(QObject* context, std::function<void()> fn) override;

    QAction* menu_action(Command command) const;
    bool program_ended() const { return ended_; }
    bool system_mode() const { return session_.ticket.system_mode; }
    bool seven_by_seven() const override { return session_.ticket.seven_by_seven; }
    // The number field: the ticket picture of the tip console.
    TicketPictureWidget* ticket_picture() override { return picture_; }
    Session& session() override { return session_; }
    UiServices& ui() override { return ui_; }

  signals:
    void ended();
    // After every command and game switch: the display should redraw.
    void display_changed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
  void install_frame_commands();
  void build_menu_bar();
  void relayout();
  void set_layout(bool seven_by_seven);
  void switch_game(GameCode code, const char* needed_file, bool close_windows);
  void select_game_and_report(GameCode code);
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
  std::map<Command, QAction*> actions_;
  std::map<Command, std::function<void()>> commands_;
  std::vector<QPointer<QWidget>> secondary_;
  bool no_relayout_ = false;
  bool ended_ = false;
};

}  // namespace zw
