// A small stand-in for the main window: the host a window talks to and the
// table its commands are registered in, recording what the windows ask of it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "app/commands/commands.h"
#include "gui_test_support.h"
#include "session/session.h"
#include "tipping/ticket_picture_widget.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw::test {

class FakeHost : public Host, public CommandTable {
  public:
    FakeHost(Session& session, UiServices& ui) : session_(session), ui_(ui) {
        frame_.resize(900, 600);
        picture_ = new TicketPictureWidget(session_, ui_, &frame_);
    }

    Session& session() override { return session_; }
    UiServices& ui() override { return ui_; }
    QWidget* parent_widget() override { return &frame_; }
    void show_help(const QString& topic) override { help_topics.push_back(topic); }
    void ticket_changed() override {
        ++ticket_changes;
        picture_->update();
    }
    TicketPictureWidget* ticket_picture() override { return picture_; }
    bool seven_by_seven() const override { return session_.ticket.seven_by_seven; }
    void set_slip_layout(bool seven_by_seven) override {
        session_.ticket.seven_by_seven = seven_by_seven;
        if (!seven_by_seven) session_.ticket.system_mode = false;
        ++layout_changes;
    }
    void leave_system_mode() override { session_.ticket.system_mode = false; }
    bool confirm_discard_unsaved() override { return discard_unsaved; }
    void menus_changed() override { ++menu_refreshes; }
    void keep_layout() override {}
    void on_display_changed(QObject* context, std::function<void()> fn) override {
        display_listeners_.emplace_back(context, std::move(fn));
    }
    void add_secondary_window(QWidget* window) override { secondary.push_back(window); }
    void set_command(Command command, std::function<void()> run) override {
        commands[command] = std::move(run);
    }

    // Runs a registered command as its menu entry would.
    void run(Command command) {
        commands.at(command)();
        display_changed();
    }
    bool has(Command command) const { return commands.count(command) != 0; }
    // What the main window signals after every command.
    void display_changed() {
        for (auto& [context, fn] : display_listeners_)
            if (context) fn();
    }
    QWidget& frame() { return frame_; }

    std::vector<QString> help_topics;
    std::vector<QPointer<QWidget>> secondary;
    std::map<Command, std::function<void()>> commands;
    bool discard_unsaved = true;
    int ticket_changes = 0;
    int layout_changes = 0;
    int menu_refreshes = 0;

  private:
    Session& session_;
    UiServices& ui_;
    QWidget frame_;
    TicketPictureWidget* picture_ = nullptr;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> display_listeners_;
};

// A data folder with `draws` draws of Lotto Samstag, opened in a session on
// that game, and a host over it.
struct HostedLotto {
    QTemporaryDir dir;
    ScriptedUi ui;
    std::unique_ptr<Session> session;
    std::unique_ptr<FakeHost> host;

    explicit HostedLotto(int draws, const QString& file = QStringLiteral("Lotto.Dat")) {
        write_draw_file(dir.filePath(file), draws);
        session = std::make_unique<Session>(dir.path().toStdString());
        session->start_up();
        session->select_game(kLottoSaturday);
        host = std::make_unique<FakeHost>(*session, ui.services);
    }
};

}  // namespace zw::test
