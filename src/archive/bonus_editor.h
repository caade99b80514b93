// Editing the Austrian bonus draws: taking a typed row into the list,
// removing the last one and writing OB_Lotto.Dat.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "archive/bonus_draws.h"
#include "base/file_io.h"

namespace zw {

// The edit boxes of one bonus draw, as typed.
struct BonusRowInput {
    std::string date;                    // dd.mm.yyyy
    std::array<std::string, 7> numbers;  // six numbers and the Zusatzzahl
    std::array<std::string, 6> plus;     // LottoPlus numbers (all empty: none)
    std::string joker;                   // six digits (empty: none)
};

class BonusEditor {
public:
    explicit BonusEditor(std::vector<BonusDraw> draws);

    const std::vector<BonusDraw>& draws() const { return draws_; }
    int count() const { return static_cast<int>(draws_.size()); }

    // Takes the row into position `selected`; a negative or too large
    // position appends a new row. A refused row changes nothing and the
    // status says why.
    Status take(const BonusRowInput& row, int selected);
    // Removes the last bonus draw; false when there is none.
    bool remove_last();

    // The edit boxes filled with a stored row.
    static BonusRowInput input_of(const BonusDraw& draw);

private:
    std::vector<BonusDraw> draws_;
};

// OB_Lotto.Dat as the editor writes it: the date, ",%2d" for the seven
// numbers and the six LottoPlus numbers, then the Joker with six digits
// ("-1" when there is none). Lines come in date order.
std::string format_bonus_file(std::vector<BonusDraw> draws);
Status save_bonus_file(const fs::path& folder, const std::vector<BonusDraw>& draws);

}  // namespace zw
