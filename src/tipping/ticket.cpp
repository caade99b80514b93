#include "tipping/ticket.h"

#include <algorithm>

#include "games/game_catalogue.h"

namespace zw {

bool SystemBox::holds(int n) const {
    return std::find(ticked.begin(), ticked.end(), static_cast<uint8_t>(n)) != ticked.end();
}

void Ticket::set_game(const GameParams& params) {
    highest_ = params.highest_number;
    swiss_ = params.swiss;
    narrow_ = params.austria || params.swiss;
    clear();
}

int Ticket::visible_rows() const {
    if (narrow_) return 14;
    return seven_by_seven ? 16 : 12;
}

int Ticket::row_size(int r) const {
    const TipRow& row = rows_[static_cast<size_t>(r)];
    int k = 0;
    while (k < 6 && row[static_cast<size_t>(k)] != 0) ++k;
    return k;
}

bool Ticket::row_complete(int r) const {
    return row_size(r) == 6 && (!swiss_ || rows_[static_cast<size_t>(r)][6] != 0);
}

int Ticket::row_count() const {
    int n = 0;
    for (int r = 0; r < kTicketRowSlots; ++r) n += row_complete(r) ? 1 : 0;
    return n;
}

bool Ticket::row_holds(int r, int n) const {
    const TipRow& row = rows_[static_cast<size_t>(r)];
    return n > 0 && std::find(row.begin(), row.begin() + 6, static_cast<uint8_t>(n)) != row.begin() + 6;
}

bool Ticket::tick(int r, int n) {
    if (r < 0 || r >= kTicketRowSlots || !valid_number(n) || row_holds(r, n)) return false;
    const int k = row_size(r);
    if (k == 6) return false;
    rows_[static_cast<size_t>(r)][static_cast<size_t>(k)] = static_cast<uint8_t>(n);
    return true;
}

bool Ticket::untick(int r, int n) {
    if (r < 0 || r >= kTicketRowSlots || !row_holds(r, n)) return false;
    TipRow& row = rows_[static_cast<size_t>(r)];
    auto end = std::remove(row.begin(), row.begin() + 6, static_cast<uint8_t>(n));
    std::fill(end, row.begin() + 6, uint8_t{0});
    return true;
}

bool Ticket::backspace(int r) {
    if (r < 0 || r >= kTicketRowSlots) return false;
    const int k = row_size(r);
    if (k == 0) return false;
    rows_[static_cast<size_t>(r)][static_cast<size_t>(k - 1)] = 0;
    return true;
}

bool Ticket::set_lucky(int r, int k) {
    if (!swiss_ || r < 0 || r >= kTicketRowSlots || k < 0 || k > 6) return false;
    rows_[static_cast<size_t>(r)][6] = static_cast<uint8_t>(k);
    return true;
}

bool Ticket::set_row(int r, const TipRow& row) {
    if (r < 0 || r >= kTicketRowSlots) return false;
    for (int i = 0; i < 6; ++i) {
        const int n = row[static_cast<size_t>(i)];
        if (!valid_number(n) || std::count(row.begin(), row.begin() + 6, row[static_cast<size_t>(i)]) != 1)
            return false;
    }
    TipRow copy = row;
    copy[6] = swiss_ && row[6] <= 6 ? row[6] : 0;
    rows_[static_cast<size_t>(r)] = copy;
    return true;
}

void Ticket::clear_row(int r) {
    if (r >= 0 && r < kTicketRowSlots) rows_[static_cast<size_t>(r)] = TipRow{};
}

void Ticket::clear_rows() { rows_.fill(TipRow{}); }

bool Ticket::tick_box(int b, int n) {
    if (b < 0 || b >= kSystemBoxCount || !valid_number(n)) return false;
    SystemBox& box = boxes_[static_cast<size_t>(b)];
    if (!box.has_system() || box.holds(n) || static_cast<int>(box.ticked.size()) >= box.numbers)
        return false;
    box.ticked.push_back(static_cast<uint8_t>(n));
    return true;
}

bool Ticket::untick_box(int b, int n) {
    if (b < 0 || b >= kSystemBoxCount) return false;
    SystemBox& box = boxes_[static_cast<size_t>(b)];
    auto it = std::find(box.ticked.begin(), box.ticked.end(), static_cast<uint8_t>(n));
    if (it == box.ticked.end()) return false;
    box.ticked.erase(it);
    return true;
}

bool Ticket::backspace_box(int b) {
    if (b < 0 || b >= kSystemBoxCount || boxes_[static_cast<size_t>(b)].ticked.empty()) return false;
    boxes_[static_cast<size_t>(b)].ticked.pop_back();
    return true;
}

bool Ticket::set_box_lucky(int b, int k) {
    if (!swiss_ || b < 0 || b >= kSystemBoxCount || k < 0 || k > 6) return false;
    boxes_[static_cast<size_t>(b)].lucky = k;
    return true;
}

void Ticket::set_full_system(int b, int numbers) {
    if (b < 0 || b >= kSystemBoxCount || numbers < 7 || numbers > kMaxBoxNumbers) return;
    SystemBox& box = boxes_[static_cast<size_t>(b)];
    box.full = true;
    box.partial = false;
    box.index = 0;
    box.numbers = numbers;
    if (static_cast<int>(box.ticked.size()) > numbers) box.ticked.resize(static_cast<size_t>(numbers));
}

void Ticket::set_partial_system(int b, int index, int numbers) {
    if (b < 0 || b >= kSystemBoxCount || numbers < 7 || numbers > kMaxBoxNumbers) return;
    SystemBox& box = boxes_[static_cast<size_t>(b)];
    box.full = false;
    box.partial = true;
    box.index = index;
    box.numbers = numbers;
    if (static_cast<int>(box.ticked.size()) > numbers) box.ticked.resize(static_cast<size_t>(numbers));
}

void Ticket::set_box_numbers(int b, const std::vector<uint8_t>& numbers) {
    if (b < 0 || b >= kSystemBoxCount) return;
    SystemBox& box = boxes_[static_cast<size_t>(b)];
    box.ticked.clear();
    for (uint8_t n : numbers) tick_box(b, n);
}

void Ticket::clear_system(int b) {
    if (b >= 0 && b < kSystemBoxCount) boxes_[static_cast<size_t>(b)] = SystemBox{};
}

int Ticket::boxes_with_system() const {
    return static_cast<int>(std::count_if(boxes_.begin(), boxes_.end(),
                                          [](const SystemBox& b) { return b.has_system(); }));
}

void Ticket::clear() {
    clear_rows();
    boxes_.fill(SystemBox{});
}

bool Ticket::empty() const {
    for (int r = 0; r < kTicketRowSlots; ++r)
        if (row_size(r) > 0 || rows_[static_cast<size_t>(r)][6] != 0) return false;
    return std::all_of(boxes_.begin(), boxes_.end(),
                       [](const SystemBox& b) { return !b.has_system() && b.ticked.empty(); });
}

}  // namespace zw
