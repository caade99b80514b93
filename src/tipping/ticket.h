// The ticket in progress of the tip console: up to 18 single rows (normal
// mode) or six system boxes (system mode), with the console's mode and slip
// layout. Every operation keeps the invariants: numbers lie in 1..highest,
// a row holds at most six distinct numbers, a box only takes numbers once it
// has a system and never more than that system needs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "games/game_catalogue.h"

namespace zw {

constexpr int kTicketRowSlots = 18;
constexpr int kSystemBoxCount = 6;
constexpr int kMaxBoxNumbers = 26;

// A row as stored: six numbers in the order they were placed (0 = empty) and,
// for the Swiss game, the lucky number 1..6 in byte 6.
using TipRow = std::array<uint8_t, 7>;

struct SystemBox {
    bool full = false;     // full system: all rows of `numbers` numbers
    bool partial = false;  // partial system `index` of the box's label family
    int numbers = 0;       // how many numbers the system takes
    int index = 0;
    std::vector<uint8_t> ticked;  // in tick order
    int lucky = 0;                // Swiss lucky number, 0 = none

    bool has_system() const { return full || partial; }
    bool complete() const { return has_system() && static_cast<int>(ticked.size()) == numbers; }
    bool holds(int n) const;
};

class Ticket {
public:
    // Adapts the ticket to a game and clears it.
    void set_game(const GameParams& params);
    int highest() const { return highest_; }
    bool swiss() const { return swiss_; }

    // Rows shown on the slip: 16 (German games), 14 (Austria, Switzerland),
    // 12 in the 49 x 1 layout; the row slots beyond stay empty.
    int visible_rows() const;

    // --- Rows (normal mode)
    const TipRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
    int row_size(int r) const;
    // Six numbers (and for the Swiss game the lucky number).
    bool row_complete(int r) const;
    // Complete rows: what the ticket plays and costs.
    int row_count() const;
    bool row_holds(int r, int n) const;
    // A number into row r; false when it is out of range, already there or the row is full.
    bool tick(int r, int n);
    // Removes n and closes the gap; false when it was not there.
    bool untick(int r, int n);
    bool backspace(int r);
    // Swiss lucky number 1..6 of a row (0 clears it).
    bool set_lucky(int r, int k);
    // Replaces a row (generators); refused unless it is six distinct numbers in range.
    bool set_row(int r, const TipRow& row);
    void clear_row(int r);
    void clear_rows();

    // --- System boxes (system mode)
    const SystemBox& box(int b) const { return boxes_[static_cast<std::size_t>(b)]; }
    bool tick_box(int b, int n);
    bool untick_box(int b, int n);
    bool backspace_box(int b);
    bool set_box_lucky(int b, int k);
    // Choosing a system; a smaller system cuts the ticked list to its size.
    void set_full_system(int b, int numbers);
    void set_partial_system(int b, int index, int numbers);
    // Replaces a box's numbers (generators); cut to the system's size.
    void set_box_numbers(int b, const std::vector<uint8_t>& numbers);
    // Removes the box's system and its numbers.
    void clear_system(int b);
    int boxes_with_system() const;

    void clear();
    bool empty() const;

    bool system_mode = false;
    bool seven_by_seven = true;

private:
    bool valid_number(int n) const { return n >= 1 && n <= highest_; }

    std::array<TipRow, kTicketRowSlots> rows_{};
    std::array<SystemBox, kSystemBoxCount> boxes_{};
    int highest_ = 49;
    bool swiss_ = false;
    bool narrow_ = false;  // Austria and Switzerland: 14 rows
};

}  // namespace zw
