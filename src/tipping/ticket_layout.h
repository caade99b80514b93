// The geometry of the ticket picture: where every number field, system field
// and option field of the slip lies, in logical pixels of the main window's
// number field, and which of them a point hits. The painter draws from it and
// the widget turns clicks into ticket operations with it, so both agree.
#pragma once

#include <string>
#include <vector>

#include "tipping/ticket_options.h"

namespace zw {

struct GameParams;

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    int cx() const { return x + w / 2; }
    int cy() const { return y + h / 2; }
};

// A field of numbers: one row of a normal ticket or one box of a system
// ticket, drawn as 7 x 7 cells or as one strip of 49.
struct NumberField {
    int slot = 0;      // row 0..17 or box 0..5
    PixelRect frame;   // with the caption
    PixelRect grid;    // the cells
    int columns = 7;
    int cell_w = 15, cell_h = 14;
    int cells = 49;    // numbers 1..highest, Swiss also the lucky cells 43..48
};

struct OptionSpot {
    OptionField field;
    PixelRect rect;
    std::string label;          // shown inside the field, or beside it
    bool label_beside = false;  // "ja" / "nein": the label is part of the field
};

struct OptionCaption {
    std::string text;
    int x = 0, y = 0;
};

enum class HitKind { kNone, kNumber, kFullSystem, kPartialSystem, kOption };

struct Hit {
    HitKind kind = HitKind::kNone;
    int slot = -1;    // row or box
    int number = 0;   // cell number 1..49
    OptionField option{OptionKind::kDuration, 0};
};

class TicketLayout {
public:
    TicketLayout(const GameParams& params, bool system_mode, bool seven_by_seven);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<NumberField>& fields() const { return fields_; }
    const std::vector<OptionSpot>& options() const { return options_; }
    const std::vector<OptionCaption>& captions() const { return captions_; }
    // System mode: the two choice areas and the label area of box b.
    PixelRect full_area(int box) const { return full_[static_cast<size_t>(box)]; }
    PixelRect partial_area(int box) const { return partial_[static_cast<size_t>(box)]; }
    PixelRect system_label(int box) const { return label_[static_cast<size_t>(box)]; }
    int boxes() const { return system_ ? static_cast<int>(fields_.size()) : 0; }
    // The panel with the row list and the price.
    PixelRect panel() const { return panel_; }
    PixelRect option_area() const { return option_area_; }

    PixelRect cell(const NumberField& f, int number) const;
    // The cell of `number` in row/box `slot`; an empty rect when not shown.
    PixelRect cell(int slot, int number) const;
    Hit hit(int x, int y) const;

private:
    void lay_out_rows(const GameParams& params, bool seven_by_seven);
    void lay_out_boxes(bool seven_by_seven);
    void lay_out_options(const GameParams& params);

    bool system_ = false;
    bool swiss_ = false;
    int highest_ = 49;
    int width_ = 1304, height_ = 474;
    std::vector<NumberField> fields_;
    std::vector<OptionSpot> options_;
    std::vector<OptionCaption> captions_;
    std::vector<PixelRect> full_, partial_, label_;
    PixelRect panel_, option_area_;
};

}  // namespace zw
