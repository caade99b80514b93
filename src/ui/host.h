// What a window needs of the program around it. The main window implements it;
// window tests use a small fake. No window knows the main window itself.
#pragma once

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace zw {

class Session;
struct UiServices;
class TicketPictureWidget;

class Host {
  public:
    virtual ~Host() = default;

    virtual Session& session() = 0;
    virtual UiServices& ui() = 0;
    // The parent of the dialogs a command opens.
    virtual QWidget* parent_widget() = 0;

    // Opens the help window on a topic ("ziehung.htm").
    virtual void show_help(const QString& topic) = 0;
    // The ticket changed: its picture redraws.
    virtual void ticket_changed() = 0;
    // The ticket picture of the tip console; nullptr where there is none.
    virtual TicketPictureWidget* ticket_picture() = 0;
    // The slip layout: 7 x 7 number fields, else the game's own.
    virtual bool seven_by_seven() const = 0;
    virtual void set_slip_layout(bool seven_by_seven) = 0;
    // Back to the normal ticket and its window size (after the system ticket).
    virtual void leave_system_mode() = 0;
    // Asks before unsaved draws are discarded; true when the command may go on.
    virtual bool confirm_discard_unsaved() = 0;
    // The loaded data changed what the menus show (check marks, entries).
    virtual void menus_changed() = 0;
    // The current command was a settings dialog: the window keeps its layout.
    virtual void keep_layout() = 0;
    // Calls `fn` after every command and game switch while `context` lives.
    virtual void on_display_changed(QObject* context, std::function<void()> fn) = 0;
    // A window that is closed on a game switch and keeps the program open.
    virtual void add_secondary_window(QWidget* window) = 0;
};

}  // namespace zw
