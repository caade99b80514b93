#include "tipping/ticket_layout.h"

#include "games/game_catalogue.h"
#include "tipping/ticket.h"

namespace zw {
namespace {

constexpr int kTop = 30;          // below the slip's title line
constexpr int kMargin = 12;
constexpr int kBoxCaption = 16;   // "1".."16" above a box
constexpr int kTick = 13;         // an option field's box

int cells_for(const GameParams& p) { return p.swiss ? kLuckyCellBase + 6 : p.highest_number; }

// A 7 x 7 field of the slip at (x, y), `width` wide with its caption.
NumberField grid_field(int slot, int x, int y, int width) {
    NumberField f;
    f.slot = slot;
    f.frame = {x, y, width, kBoxCaption + 7 * 14 + 4};
    f.grid = {x + 2, y + kBoxCaption, 7 * 15, 7 * 14};
    return f;
}

// One strip of 49 cells of the given size.
NumberField strip_field(int slot, int cell_w, int cell_h) {
    NumberField f;
    f.slot = slot;
    f.columns = 49;
    f.cell_w = cell_w;
    f.cell_h = cell_h;
    return f;
}

}  // namespace

TicketLayout::TicketLayout(const GameParams& params, bool system_mode, bool seven_by_seven)
    : system_(system_mode), swiss_(params.swiss), highest_(params.highest_number) {
    const bool narrow = params.austria || params.swiss;
    width_ = narrow || system_mode ? 982 : 1304;
    // The Austrian and Swiss slips are narrower and taller (14 rows, two lines of options).
    height_ = 474 + (narrow ? 44 : 0);
    // The Austrian and Swiss slips have no 49 x 1 layout.
    const bool grid = seven_by_seven || narrow;
    if (system_mode)
        lay_out_boxes(grid);
    else
        lay_out_rows(params, grid);
    for (NumberField& f : fields_) f.cells = cells_for(params);
    lay_out_options(params);
}

void TicketLayout::lay_out_rows(const GameParams& params, bool grid) {
    const bool narrow = params.austria || params.swiss;
    if (grid) {
        const int per_line = narrow ? 7 : 8;
        const int count = narrow ? 14 : 16;
        for (int r = 0; r < count; ++r)
            fields_.push_back(grid_field(r, kMargin + (r % per_line) * 113, kTop + (r / per_line) * 126, 109));
        panel_ = {kMargin + per_line * 113 + 6, kTop, width_ - (kMargin + per_line * 113 + 6) - 8, 250};
    } else {
        for (int r = 0; r < 12; ++r) {
            NumberField f = strip_field(r, 17, 18);
            const int y = kTop + r * 20;
            f.frame = {kMargin, y, 28 + 49 * 17 + 4, 20};
            f.grid = {kMargin + 28, y + 1, 49 * 17, 18};
            fields_.push_back(f);
        }
        panel_ = {kMargin + 28 + 49 * 17 + 20, kTop, width_ - (kMargin + 28 + 49 * 17 + 20) - 8, 250};
    }
}

void TicketLayout::lay_out_boxes(bool grid) {
    if (grid) {
        for (int b = 0; b < kSystemBoxCount; ++b) {
            const int x = kMargin + (b % 3) * 243;
            const NumberField f = grid_field(b, x, kTop + (b / 3) * 126, 233);
            fields_.push_back(f);
            // The system field beside the numbers: top three lines choose a
            // full system, bottom three a partial system.
            const int sx = x + 2 + 7 * 15 + 8;
            full_.push_back({sx, f.grid.y, 116, 3 * 14});
            label_.push_back({sx, f.grid.y + 3 * 14, 116, 14});
            partial_.push_back({sx, f.grid.y + 4 * 14, 116, 3 * 14});
        }
        panel_ = {kMargin + 3 * 243, kTop, width_ - (kMargin + 3 * 243) - 8, 250};
    } else {
        // 49 x 1: four boxes, each a strip of all numbers with its two choice fields.
        for (int b = 0; b < 4; ++b) {
            NumberField f = strip_field(b, 15, 18);
            const int y = kTop + b * 62;
            f.frame = {kMargin, y, width_ - 2 * kMargin, 58};
            f.grid = {kMargin + 4, y + kBoxCaption, 49 * 15, 18};
            fields_.push_back(f);
            const int sx = f.grid.x + 49 * 15 + 10;
            full_.push_back({sx, f.grid.y, 90, 18});
            partial_.push_back({sx + 96, f.grid.y, 90, 18});
            label_.push_back({f.grid.x, f.grid.y + 20, 49 * 15, 18});
        }
        panel_ = {};
    }
}

void TicketLayout::lay_out_options(const GameParams& params) {
    const int top = kTop + 2 * 126 + 8;
    option_area_ = {kMargin, top, width_ - 2 * kMargin, height_ - top - 6};
    int y = top + 30;
    auto spot = [&](OptionKind k, int v, int x, int yy, std::string label) {
        const bool beside = label == "ja" || label == "nein";
        options_.push_back({{k, v}, {x, yy, kTick, kTick}, std::move(label), beside});
    };
    auto caption = [&](std::string text, int x, int yy) { captions_.push_back({std::move(text), x, yy}); };
    const int x0 = kMargin + 8;

    // Duration fields, numbered as the slip numbers them.
    const int fields = duration_field_count(params);
    caption(params.austria || params.swiss ? "Laufzeitdauer" : "Laufzeitwochen", x0, y);
    for (int f = 1; f <= fields; ++f)
        spot(OptionKind::kDuration, f, x0 + (f - 1) * 26, y + 6, std::to_string(duration_weeks(params, f)));
    int x = x0 + fields * 26 + 30;

    if (is_german_game(params.code)) {
        caption("Spieltage", x, y - 14);
        // Mi+Sa only in the game whose archive holds both draw days.
        const bool both = offers_both_draw_days(params.code);
        caption(both ? "Mi   Sa    Mi+Sa" : "Mi   Sa", x, y);
        spot(OptionKind::kDrawDays, 1, x, y + 6, "");
        spot(OptionKind::kDrawDays, 0, x + 26, y + 6, "");
        if (both) spot(OptionKind::kDrawDays, 2, x + 58, y + 6, "");
        x += 130;
        const struct { const char* text; OptionKind kind; int width; } groups[] = {
            {"Spiel 77", OptionKind::kSpiel77, 96},
            {"Super 6", OptionKind::kSuper6, 96},
            {"GlücksSpirale", OptionKind::kGluecksSpirale, 116},
            {" + SiegerChance", OptionKind::kSiegerChance, 124},
        };
        int gy = y + 48;
        int gx = x0;
        for (const auto& g : groups) {
            caption(g.text, gx, gy);
            spot(g.kind, 1, gx, gy + 6, "ja");
            spot(g.kind, 0, gx + 40, gy + 6, "nein");
            gx += g.width + 20;
        }
        (void)x;
    } else if (params.austria) {
        caption("JOKER", x, y);
        // Six count fields, then two fields for none under one "nein".
        static const char* labels[] = {"10", "5", "4", "3", "2", "1", "nein", ""};
        for (int f = 0; f < 8; ++f) {
            spot(OptionKind::kJoker, f, x + f * 26 + (f >= 6 ? 8 : 0), y + 6, labels[f]);
            options_.back().label_beside = false;
        }
        caption("LottoPlus", x0, y + 48);
        caption("ja     nein", x0 + 90, y + 48);
        spot(OptionKind::kLottoPlus, 1, x0 + 90, y + 54, "");
        spot(OptionKind::kLottoPlus, 0, x0 + 130, y + 54, "");
    } else if (params.swiss) {
        caption("JOKER", x0, y + 48);
        caption("ja    ja    ja", x0 + 70, y + 48);
        for (int bit = 1; bit <= 3; ++bit) spot(OptionKind::kSwissJoker, bit, x0 + 70 + (bit - 1) * 26, y + 54, "");
        spot(OptionKind::kSwissJoker, 0, x0 + 160, y + 54, "nein");
    }

    // The number fields.
    const int ny = y + 96;
    caption("Los-Nummer:", x0, ny);
    options_.push_back({{OptionKind::kLotteryNumber, 0}, {x0 + 90, ny - 13, 96, 18}, "", false});
    if (params.german_lotto) {
        caption("SuperZahl:", x0 + 210, ny);
        options_.push_back({{OptionKind::kSuperNumber, 0}, {x0 + 290, ny - 13, 24, 18}, "", false});
    }
}

PixelRect TicketLayout::cell(const NumberField& f, int number) const {
    if (number < 1 || number > f.cells) return {};
    if (swiss_ && number > highest_ && number <= kLuckyCellBase) return {};
    const int i = number - 1;
    const int col = i % f.columns;
    const int row = i / f.columns;
    return {f.grid.x + col * f.cell_w, f.grid.y + row * f.cell_h, f.cell_w, f.cell_h};
}

PixelRect TicketLayout::cell(int slot, int number) const {
    for (const NumberField& f : fields_)
        if (f.slot == slot) return cell(f, number);
    return {};
}

Hit TicketLayout::hit(int x, int y) const {
    Hit h;
    for (const NumberField& f : fields_) {
        if (!f.grid.contains(x, y)) continue;
        const int col = (x - f.grid.x) / f.cell_w;
        const int row = (y - f.grid.y) / f.cell_h;
        const int number = row * f.columns + col + 1;
        if (cell(f, number).w == 0) return h;
        h.kind = HitKind::kNumber;
        h.slot = f.slot;
        h.number = number;
        return h;
    }
    for (size_t b = 0; b < full_.size(); ++b) {
        if (full_[b].contains(x, y)) return {HitKind::kFullSystem, static_cast<int>(b), 0, {}};
        if (partial_[b].contains(x, y)) return {HitKind::kPartialSystem, static_cast<int>(b), 0, {}};
    }
    for (const OptionSpot& s : options_) {
        // The label beside a tick box belongs to it.
        PixelRect r = s.rect;
        if (s.label_beside) r.w += 4 + 7 * static_cast<int>(s.label.size());
        if (r.contains(x, y)) {
            h.kind = HitKind::kOption;
            h.option = s.field;
            return h;
        }
    }
    for (const NumberField& f : fields_)
        if (f.frame.contains(x, y)) {
            h.slot = f.slot;  // the caption selects the row or box
            return h;
        }
    return h;
}

}  // namespace zw
