#include "tipping/slip_marks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "games/game_catalogue.h"
#include "games/system_catalogue.h"
#include "tipping/ticket.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_options.h"

namespace zw {
namespace {

// The slips by Bundesland index, normal tickets.
constexpr std::array<SlipLayout, kBundeslandCount> kLayouts = {{
    {19.5, 9.5, 3.5, 4.15, 1.8, 1.8, 79.5},     // 0 Baden-Württemberg
    {17.2, 34.6, 3.65, 4.0, 0, 0, 200.0},       // 1 Bayern
    {22.4, 36.0, 3.8, 4.0, 0, 0, 83.0},         // 2 Berlin
    {26.0, 13.0, 3.6, 4.3, 0.4, 0, 86.0},       // 3 Bremen
    {26.0, 13.0, 3.6, 4.3, 0.4, 0, 86.0},       // 4 Hamburg
    {19.5, 10.0, 3.5, 4.15, 1.8, 1.8, 80.0},    // 5 Hessen
    {26.0, 13.0, 3.6, 4.3, 0.4, 0, 86.0},       // 6 Niedersachsen
    {7.0, 25.0, 4.0, 4.5, 0, 0, 3.0},           // 7 Nordrhein-Westfalen
    {19.5, 10.0, 3.5, 4.15, 1.8, 1.8, 80.0},    // 8 Rheinland-Pfalz
    {14.0, 15.0, 4.2, 4.25, 0, 0, 95.0},        // 9 Sachsen
    {26.0, 13.0, 3.6, 4.3, 0.4, 0, 86.0},       // 10 Schleswig-Holstein
    {12.0, 8.5, 3.6, 3.8, 0, 0, 85.0},          // 11 Thüringen
    {5.0, 7.5, 3.8, 3.9, 0, 0, 89.5},           // 12 Österreich
    {20.8, 14.5, 3.75, 4.25, 0, 0, 86.5},       // 13 Mecklenburg-Vorpommern
    {26.5, 13.2, 3.5, 4.25, 0.5, 0, 86.5},      // 14 Sachsen-Anhalt
    {22.0, 27.5, 3.8, 4.75, 0, 0, 13.5},        // 15 Brandenburg
    {8.0, 19.5, 3.3, 4.2, 4.0, 8.6, 110.0},     // 16 Schweiz Loterie Romande
    {10.0, 24.0, 3.36, 4.0, 1.5, 11.0, 98.0},   // 17 Schweiz Swisslos
    {19.5, 9.5, 3.5, 4.15, 1.8, 1.8, 79.5},     // 18 Saarland
}};
constexpr SlipLayout kBerlinSystem = {4.2, 12.5, 3.8, 4.7, 0, 0, 88.0};
constexpr SlipLayout kSwisslosSystem = {10.0, 24.0, 4.5, 5.33, 1.5, 11.0, 98.0};

constexpr int kOptionLines = 4;

int clamp_bundesland(int b) { return std::clamp(b, 0, kBundeslandCount - 1); }

// Where the fields of one slip lie, origins already calibrated.
struct Placement {
    SlipLayout l;
    double ox = 0, oy = 0;
    int columns = 7;
    int lines = 7;
    int per_line = 2;
    int slots = 0;

    SlipPoint field_origin(int slot) const {
        const int line = slot / per_line, pos = slot % per_line;
        return {ox + pos * (columns * l.l3 + l.l7), oy + line * (lines * l.l4 + l.l6)};
    }
    SlipPoint cell(int slot, int number) const {
        const SlipPoint o = field_origin(slot);
        const int i = number - 1;
        return {o.x + (i % columns) * l.l3, o.y + (i / columns) * l.l4};
    }
    SlipPoint option(int line, int col) const {
        const int field_lines = (slots + per_line - 1) / per_line;
        return {ox + l.l5 + col * l.l3, oy + field_lines * (lines * l.l4 + l.l6) + l.l4 + line * l.l4};
    }
    // The system field of a box: under the option fields, centred under the box.
    SlipPoint system_field(int slot) const {
        return {field_origin(slot).x + (columns - 1) * l.l3 / 2, option(kOptionLines + slot / per_line, 0).y};
    }
};

Placement placement(const TicketLayout& tl, int bundesland, bool system, double dx, double dy) {
    Placement p;
    p.l = slip_layout(bundesland, system);
    p.ox = p.l.l1 + dx;
    p.oy = p.l.l2 + dy;
    const auto& fields = tl.fields();
    p.slots = static_cast<int>(fields.size());
    p.columns = fields.empty() ? 7 : fields.front().columns;
    p.lines = p.columns >= 49 ? 1 : 7;
    p.per_line = p.columns >= 49 ? 1 : 2;
    return p;
}

// The option line and column of a field on the slip; false for the number fields.
bool option_cell(const OptionField& f, int& line, int& col) {
    switch (f.kind) {
        case OptionKind::kDuration: line = 0, col = f.value - 1; return true;
        case OptionKind::kDrawDays: line = 1, col = f.value == 1 ? 0 : f.value == 0 ? 1 : 2; return true;
        case OptionKind::kJoker: line = 1, col = f.value; return true;
        case OptionKind::kSwissJoker: line = 1, col = f.value == 0 ? 3 : f.value - 1; return true;
        case OptionKind::kSpiel77:
        case OptionKind::kLottoPlus: line = 2, col = f.value ? 0 : 1; return true;
        case OptionKind::kSuper6: line = 2, col = f.value ? 3 : 4; return true;
        case OptionKind::kGluecksSpirale: line = 3, col = f.value ? 0 : 1; return true;
        case OptionKind::kSiegerChance: line = 3, col = f.value ? 3 : 4; return true;
        default: return false;
    }
}

// Whether the slip of `layout` shows number cell `n` (the Swiss slip skips
// nothing: 42 numbers and the six lucky cells).
int cell_count(const GameParams& g) { return g.swiss ? kLuckyCellBase + 6 : g.highest_number; }

}  // namespace

SlipLayout slip_layout(int bundesland, bool system_ticket) {
    const int b = clamp_bundesland(bundesland);
    if (system_ticket && b == 2) return kBerlinSystem;
    if (system_ticket && b == 17) return kSwisslosSystem;
    return kLayouts[static_cast<size_t>(b)];
}

double calibration_offset(uint8_t stored) { return ((stored ? stored : 126) - 126) / 5.0; }

uint8_t calibration_byte(double offset) {
    const long v = std::lround(offset * 5.0 + 126.0);
    return static_cast<uint8_t>(std::clamp<long>(v, 1, 255));
}

int calibration_scroll(uint8_t stored) {
    // (p - 252) / 10 = (stored - 126) / 5
    return std::clamp(2 * (stored ? stored : 126), kCalibrationScrollMin, kCalibrationScrollMax);
}

uint8_t calibration_byte_for_scroll(int position) {
    const int p = std::clamp(position, kCalibrationScrollMin, kCalibrationScrollMax);
    return static_cast<uint8_t>((p + 1) / 2);  // round(p / 2)
}

double calibration_shift(uint8_t stored) { return ((stored ? stored : 126) - 125) / 5.0; }

bool slip_upside_down(GameCode game, int bundesland, bool system_ticket) {
    const int b = clamp_bundesland(bundesland);
    if (game == kSwiss) return true;
    if (game == kAustria) return b == 12;
    if (is_german_game(game)) return b == 7 || b == 15 || (b == 2 && !system_ticket);
    return false;
}

std::string_view orientation_text(bool upside_down) {
    return upside_down ? "Der Scheindruck erfolgt in kopfstehender Ausrichtung von unten nach oben!"
                       : "Der Scheindruck erfolgt in normaler Ausrichtung von oben nach unten!";
}

std::string slip_refusal(GameCode game, int bundesland, bool system_ticket) {
    const int b = clamp_bundesland(bundesland);
    if (system_ticket) {
        if ((b == 1 && game == kToto) || b == 11 || b == 12 || b == 15 || b == 16)
            return "Das Bedrucken von System-Scheinen ist|für dieses Bundesland noch nicht möglich!";
        return {};
    }
    if (b == 16) return "Das Bedrucken von Tipp-Scheinen ist leider|für dieses Bundesland noch nicht möglich!";
    return {};
}

bool slip_needs_seven_by_seven(int bundesland, bool seven_by_seven) {
    return !seven_by_seven && clamp_bundesland(bundesland) != 15;
}

std::vector<SlipMark> slip_marks(const Ticket& ticket, const TicketOptions& options, const GameParams& game,
                                 int bundesland, SlipCalibration calibration) {
    const bool system = ticket.system_mode;
    const TicketLayout tl(game, system, ticket.seven_by_seven);
    const Placement p = placement(tl, bundesland, system, calibration_shift(calibration.x),
                                  calibration_shift(calibration.y));
    std::vector<SlipMark> marks;
    auto mark = [&](SlipPoint pt) { marks.push_back({pt.x, pt.y, "x"}); };
    for (int slot = 0; slot < p.slots; ++slot) {
        if (system) {
            const SystemBox& box = ticket.box(slot);
            for (uint8_t n : box.ticked) mark(p.cell(slot, n));
            if (game.swiss && box.lucky >= 1 && box.lucky <= 6) mark(p.cell(slot, kLuckyCellBase + box.lucky));
            continue;
        }
        const TipRow& row = ticket.row(slot);
        for (int k = 0; k < 6; ++k)
            if (row[static_cast<size_t>(k)] != 0) mark(p.cell(slot, row[static_cast<size_t>(k)]));
        if (game.swiss && row[6] >= 1 && row[6] <= 6) mark(p.cell(slot, kLuckyCellBase + row[6]));
    }
    for (const OptionSpot& spot : tl.options()) {
        int line = 0, col = 0;
        if (option_cell(spot.field, line, col) && option_chosen(spot.field, options, game))
            mark(p.option(line, col));
    }
    if (system)
        for (int slot = 0; slot < p.slots; ++slot)
            if (std::string name = system_type_mark(ticket.box(slot), game.code, bundesland); !name.empty()) {
                const SlipPoint at = p.system_field(slot);
                marks.push_back({at.x, at.y, std::move(name)});
            }
    return marks;
}

SlipSheet slip_sheet(const Ticket& ticket, const TicketOptions& options, const GameParams& game, int bundesland,
                     SlipCalibration calibration) {
    SlipSheet s;
    s.bundesland = clamp_bundesland(bundesland);
    s.upside_down = slip_upside_down(game.code, s.bundesland, ticket.system_mode);
    s.layout = slip_layout(s.bundesland, ticket.system_mode);
    s.cell_w = s.layout.l3;
    s.cell_h = s.layout.l4;
    s.marks = slip_marks(ticket, options, game, s.bundesland, calibration);
    // The slip's own cells, where the marks belong without any calibration.
    const TicketLayout tl(game, ticket.system_mode, ticket.seven_by_seven);
    const Placement p = placement(tl, s.bundesland, ticket.system_mode, 0, 0);
    for (int slot = 0; slot < p.slots; ++slot)
        for (int n = 1; n <= cell_count(game); ++n)
            if (!game.swiss || n <= game.highest_number || n > kLuckyCellBase) {
                s.cells.push_back(p.cell(slot, n));
                s.cell_labels.push_back(std::to_string(game.swiss && n > kLuckyCellBase ? n - kLuckyCellBase : n));
            }
    for (const OptionSpot& spot : tl.options()) {
        int line = 0, col = 0;
        if (option_cell(spot.field, line, col)) {
            s.cells.push_back(p.option(line, col));
            s.cell_labels.emplace_back();
        }
    }
    // The slip reaches as far beyond its last cell as its first cell lies from the edge.
    double right = 0, bottom = p.option(kOptionLines - 1, 0).y;
    for (const SlipPoint& c : s.cells) {
        right = std::max(right, c.x);
        bottom = std::max(bottom, c.y);
    }
    if (ticket.system_mode && p.slots > 0) bottom = std::max(bottom, p.system_field(p.slots - 1).y);
    s.width = right + std::max(s.layout.l1, 5.0);
    s.height = bottom + std::max(s.layout.l2, 5.0);
    return s;
}

std::string system_type_mark(const SystemBox& box, GameCode game, int bundesland) {
    if (box.full) {
        std::string n = std::to_string(box.numbers);
        return std::string(n.size() < 3 ? 3 - n.size() : 0, '0') + n;
    }
    if (!box.partial) return {};
    return std::string(system_name(label_family(game, clamp_bundesland(bundesland)), box.index));
}

SlipPoint page_position(const SlipSheet& sheet, double x, double y) {
    if (!sheet.upside_down) return {x, y};
    return {sheet.width - x, sheet.height - y};
}

Status convert_systems_for_bundesland(Ticket& ticket, GameCode game, int from, int to) {
    const LabelFamily was = label_family(game, clamp_bundesland(from));
    const LabelFamily now = label_family(game, clamp_bundesland(to));
    if (was == now) return {};
    Ticket converted = ticket;
    for (int b = 0; b < kSystemBoxCount; ++b) {
        const SystemBox& box = ticket.box(b);
        if (!box.partial) continue;
        const int partial = to_partial_index(was, box.index);
        const int index = partial < 0 ? -1 : from_partial_index(now, partial);
        if (index < 0) {
            return Status::failure("Das System " + std::string(system_name(was, box.index)) + " in Feld " +
                                   std::to_string(b + 1) + " gibt es|bei den " + std::string(family_title(now)) +
                                   "n dieses Bundeslandes nicht!|Bitte wählen Sie zuerst ein anderes System.");
        }
        converted.set_partial_system(b, index, box.numbers);
    }
    ticket = converted;
    return {};
}

}  // namespace zw
