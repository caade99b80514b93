#include "archive/slip_grids.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "archive/calendar.h"
#include "archive/draw_numbering.h"

namespace zw {

int slip_grid_count(const GameParams& params, bool seven_by_seven) {
    if (params.austria || params.swiss) return 14;
    return seven_by_seven ? 16 : 12;
}

SlipDraw regular_slip(const GameParams& params, const DrawArchive& archive, int n) {
    SlipDraw s;
    if (!archive.has_draw(n)) return s;
    s.present = true;
    s.draw = n;
    const DrawDate d = draw_date(params.code, n);
    s.date = d.text;
    s.prefix = d.prefix;
    const Draw stored = archive.draw(n);
    for (int k = 0; k < 6; ++k)
        s.numbers[k] = stored.numbers[k] <= params.highest_number ? stored.numbers[k] : 0;
    if (stored.extra != 0) {
        s.extra = displayed_extra(params, n, stored.extra);
        s.extra_kind = extra_is_lucky_number(params, n) ? ExtraKind::kGlueckszahl
                       : extra_is_superzahl(params, n)  ? ExtraKind::kSuperzahl
                                                        : ExtraKind::kZusatzzahl;
    }
    if (params.austria && n - kLottoPlusStart < archive.lotto_plus_count())
        if (const uint8_t* plus = archive.lotto_plus(n)) std::memcpy(s.plus.data(), plus, 6);
    s.side = archive.side_number(n);
    return s;
}

SlipDraw combined_slip(const DrawArchive& archive, int row) {
    SlipDraw s;
    if (row < 1 || row > combined_rows(archive)) return s;
    const auto& view = archive.combined();
    const CombinedRow& c = view[static_cast<size_t>(row - 1)];
    s.present = true;
    s.bonus = c.bonus;
    if (!c.bonus) s.draw = row;  // the lottery counts the bonus draws too
    s.date = c.date;
    for (int k = 0; k < 6; ++k) s.numbers[k] = c.numbers[k] <= 45 ? c.numbers[k] : 0;
    if (c.numbers[6] != 0 && c.numbers[6] <= 45) {
        s.extra = c.numbers[6];
        s.extra_kind = ExtraKind::kZusatzzahl;
    }
    for (int k = 0; k < 6; ++k) s.plus[k] = c.plus[k] <= 45 ? c.plus[k] : 0;
    s.side = c.joker;
    return s;
}

std::string side_number_text(const GameParams& params, int32_t value) {
    if (value < 0) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*d", is_german_game(params.code) ? 7 : 6, value);
    return buf;
}

}  // namespace zw
