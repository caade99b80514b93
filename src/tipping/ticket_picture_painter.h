// Draws the ticket picture: the play slip of the selected game with its
// number fields, system fields, option area, the row list and the price.
// The same painter serves the screen, images and paper.
#pragma once

#include <QString>

#include "tipping/ticket_options.h"

class QPainter;

namespace zw {

struct GameParams;
struct MoneyTables;
class Ticket;
struct TicketOptions;
class TicketLayout;

// What to draw: everything, or the parts that do not change with the ticket
// (cached by the widget) and the parts that do.
enum class PictureLayer { kAll, kBackground, kForeground };

struct TicketPictureInput {
    const GameParams& params;
    const Ticket& ticket;
    const TicketOptions& options;
    const MoneyTables& money;
    int bundesland = 0;
    int current = 0;     // the console's cursor: row or system box
    QString typed;       // digits typed so far
    QString extra_line;  // an information line under the price
    PictureLayer layer = PictureLayer::kAll;
    bool background() const { return layer != PictureLayer::kForeground; }
    bool foreground() const { return layer != PictureLayer::kBackground; }
};

class TicketPicturePainter {
public:
    void paint(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;

private:
    void paint_title(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;
    void paint_fields(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;
    void paint_crosses(QPainter& p, const TicketLayout& layout, const struct NumberField& f,
                       const TicketPictureInput& in) const;
    void paint_systems(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;
    void paint_options(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;
    void paint_panel(QPainter& p, const TicketLayout& layout, const TicketPictureInput& in) const;
};


}  // namespace zw
