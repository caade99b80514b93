// The main window's number field: shows the ticket picture and turns mouse
// buttons and keys into operations on the ticket in progress. Scales the
// picture down when the screen is smaller than the slip.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

#include "tipping/ticket_layout.h"

namespace zw {

class Session;
class Ticket;
struct UiServices;

// What assistive technology reads of the ticket: the name says the current row
// (or system box), the description its ticked numbers.
struct TicketSpeech {
    QString name;
    QString description;
};
TicketSpeech ticket_speech(const Ticket& ticket, int current);

class TicketPictureWidget : public QWidget {
    Q_OBJECT
public:
    TicketPictureWidget(Session& session, UiServices& ui, QWidget* parent = nullptr);

    // The slip's full size for the current game, mode and layout.
    QSize slip_size() const;
    TicketLayout layout() const;
    // Widget position of a point of the slip (for tests and tools).
    QPoint to_widget(int x, int y) const;

    // An information line under the price (the expected return).
    void set_extra_line(std::function<QString()> line) { extra_line_ = std::move(line); }
    QString extra_line() const { return extra_line_ ? extra_line_() : QString(); }
    // The help routine, for the dialogs' help keys.
    void set_help(std::function<void(const QString&)> help) { help_ = std::move(help); }

    // Handles one click on the slip, in slip coordinates; button 1, 2 or 3.
    void click(int x, int y, int button);
    // Handles one typed key.
    void type_key(int key, const QString& text);
    // "C": clears the ticket after the confirmation.
    void ask_clear();

    // The console's cursor: the row (normal ticket) or box (system ticket)
    // that typed numbers and the arrow keys work on. A slot the ticket no
    // longer shows (after a layout change) reads as the first one.
    int current_slot() const;
    void select_slot(int slot);

signals:
    void changed();
    // Mouse button 3: the player is done with the console.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double scale() const;
    void tick_number(int slot, int number, bool add);
    void choose_full_system(int box);
    void choose_partial_system(int box);
    void click_option(const OptionField& field);
    void finish_typed_number();
    // The cursor within the rows or boxes `l` shows.
    int slot_in(const TicketLayout& l) const;
    void refresh();
    // The accessible name and description follow the ticket.
    void speak();

    Session& session_;
    UiServices& ui_;
    int current_ = 0;
    // The parts of the slip that no tick changes, drawn once per game, mode,
    // layout, Bundesland and size.
    QPixmap background_;
    QString background_key_;
    QString typed_;
    std::function<QString()> extra_line_;
    std::function<void(const QString&)> help_;
};

}  // namespace zw
