// Printing the ticket in progress onto a state lottery's paper slip: the slip
// layout of every Bundesland, the calibration kept in the draw file's header,
// the feed orientation, the Bundesländer that cannot be printed, and the list
// of "x" marks.
//
// Unit: millimetres, measured from the slip's top-left corner as the player
// reads the slip. A mark's position is the centre of the cell it crosses.
// An upside-down feed is handled when the sheet is put on the page
// (page_position), never in the marks themselves.
//
// How the seven layout values place the cells:
//  - A field (one row of a normal ticket, or one box of a system ticket) is a
//    grid of 7 columns by 7 lines (in the 49 x 1 layout one line of 49).
//    Number n lies in column c = (n - 1) mod columns and line r = (n - 1) div
//    columns, at (field x + c * L3, field y + r * L4). The Swiss lucky numbers
//    1..6 take cells 43..48, the line under the 42 numbers.
//  - The first field's first cell is at (L1, L2). Fields stand two side by
//    side (one per line in the 49 x 1 layout); L7 is the space added after a
//    field's width before the next field: step across = columns * L3 + L7.
//    Lines of fields follow at lines * L4 + L6, so L6 is the space between them.
//  - The option fields lie one L4 below the last line of fields, indented by
//    L5 from L1: four lines at step L4 with fields at step L3 (duration; draw
//    days or Joker; Spiel 77, Super 6 or LottoPlus; GlücksSpirale and
//    SiegerChance).
//  - A system ticket names each box's system in the system field under the
//    option fields: one line per line of boxes, centred under its box, the
//    name as the slip prints it ("010" for a full system of ten numbers,
//    "12/22", "622", "K12"). The field never lies on a number cell.
//  - The calibration moves the origins L1 and L2 only, so every mark moves by
//    the same amount and no field drifts against another.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "games/game_catalogue.h"

namespace zw {

struct GameParams;
class Ticket;
struct SystemBox;
struct TicketOptions;

struct SlipLayout {
    double l1 = 0, l2 = 0, l3 = 0, l4 = 0, l5 = 0, l6 = 0, l7 = 0;
};

// The layout of a Bundesland's slip (Berlin and "Schweiz Swisslos" have their
// own system-ticket layout). An index outside 0..18 is clamped first.
SlipLayout slip_layout(int bundesland, bool system_ticket);

// --- Calibration: two header bytes; 126 is no offset, a stored 0 reads as 126.
struct SlipCalibration {
    uint8_t x = 126;
    uint8_t y = 126;
};
// The offset the calibration form shows: (stored - 126) / 5.
double calibration_offset(uint8_t stored);
// The byte for an offset: round(offset * 5 + 126), kept within 1..255.
uint8_t calibration_byte(double offset);
// The form's scroll bars: position p stands for the offset (p - 252) / 10.
// The range keeps the stored byte within 1..255, so it never wraps.
constexpr int kCalibrationScrollMin = 2;
constexpr int kCalibrationScrollMax = 510;
int calibration_scroll(uint8_t stored);
uint8_t calibration_byte_for_scroll(int position);
// What the print adds to an origin, in millimetres: (stored - 125) / 5.
double calibration_shift(uint8_t stored);

// --- Orientation and refusals
// German games and the Auswahlwette with Bundesland 7 or 15, or Bundesland 2
// for a normal ticket; the Swiss game always; the Austrian game with Bundesland 12.
bool slip_upside_down(GameCode game, int bundesland, bool system_ticket);
std::string_view orientation_text(bool upside_down);
// Why this ticket cannot be printed on that Bundesland's slip; "" when it can.
std::string slip_refusal(GameCode game, int bundesland, bool system_ticket);
// Whether the print switches a normal ticket to the 7 x 7 layout first: always,
// except for Brandenburg while the 49 x 1 layout is on.
bool slip_needs_seven_by_seven(int bundesland, bool seven_by_seven);

// --- Marks
struct SlipPoint {
    double x = 0;
    double y = 0;
};
struct SlipMark {
    double x = 0;
    double y = 0;
    std::string text = "x";
};

// Every "x" the print puts on the slip: the numbers of the rows (Swiss: and
// their lucky numbers) or of the system boxes, then the chosen option fields,
// then (system ticket) the system-type mark of every box that has a system.
// Rows and boxes beyond what the slip holds are not printed.
std::vector<SlipMark> slip_marks(const Ticket& ticket, const TicketOptions& options, const GameParams& game,
                                 int bundesland, SlipCalibration calibration);

// Everything a printout needs: the marks, the slip's cells without
// calibration (the light outline of the preview), the slip's size and its feed.
struct SlipSheet {
    int bundesland = 0;
    bool upside_down = false;
    SlipLayout layout;           // without calibration
    double width = 0, height = 0;  // the slip, millimetres
    double cell_w = 0, cell_h = 0;
    std::vector<SlipMark> marks;
    std::vector<SlipPoint> cells;
    // Beside each cell: the number the slip prints in it (the Swiss lucky
    // cells 1..6), empty for the option fields. The preview shows them.
    std::vector<std::string> cell_labels;
};
SlipSheet slip_sheet(const Ticket& ticket, const TicketOptions& options, const GameParams& game, int bundesland,
                     SlipCalibration calibration);
// Where a point of the slip lands on the page: turned half round for an
// upside-down feed.
SlipPoint page_position(const SlipSheet& sheet, double x, double y);

// The system-type mark of a box: "0" and the number count for a full system
// ("007", "010"), the system's name in the Bundesland's label family for a
// partial one ("12/22", "622", "K12"); "" for a box without a system.
std::string system_type_mark(const SystemBox& box, GameCode game, int bundesland);

// --- Bundesland change
// Renames the partial systems of the ticket's boxes into the label family of
// Bundesland `to` (the same system under its other name). Refused, with the
// ticket unchanged, when a box's system has no name in that family.
Status convert_systems_for_bundesland(Ticket& ticket, GameCode game, int from, int to);

}  // namespace zw
