#include "evaluation/eval_draws.h"

#include <algorithm>

#include "archive/calendar.h"
#include "evaluation/win_classes.h"

namespace zw {
namespace {

// Numbers and Zusatzzahl as stored; a Zusatzzahl equal to one of the six
// (a damaged record) is dropped so that no number counts twice.
void set_numbers(EvalDraw& d, const uint8_t* six, uint8_t zusatz) {
    d.drawn = number_mask(std::array<uint8_t, 6>{six[0], six[1], six[2], six[3], six[4], six[5]});
    if (zusatz > 0 && zusatz < 64 && !(d.drawn & (uint64_t{1} << zusatz))) d.zusatz = zusatz;
}

}  // namespace

int last_evaluable_draw(const DrawArchive& archive) { return archive.default_range().last; }

std::vector<EvalDraw> eval_draws(const DrawArchive& archive, const GameParams& params, int first,
                                 int last) {
    first = std::max(first, 1);
    last = std::min(last, last_evaluable_draw(archive));
    std::vector<EvalDraw> out;
    if (last < first) return out;
    out.reserve(static_cast<size_t>(last - first + 1));
    const RuleSet rules = rule_set_for(params.code);
    for (int n = first; n <= last; ++n) {
        EvalDraw d;
        d.number = n;
        if (rules == RuleSet::Austria) {
            if (n > static_cast<int>(archive.combined().size())) break;
            const CombinedRow& row = archive.combined()[static_cast<size_t>(n - 1)];
            set_numbers(d, row.numbers.data(), row.numbers[6]);
            if (n >= kLottoPlusStart) {
                d.plus_draw = true;
                d.plus = number_mask(row.plus);
            }
        } else {
            const Draw stored = archive.draw(n);
            const uint8_t extra = stored.extra;
            if (rules == RuleSet::Toto) {
                set_numbers(d, stored.numbers.data(), extra);
            } else {
                set_numbers(d, stored.numbers.data(), 0);
                if (rules == RuleSet::German && extra_is_superzahl(params, n)) {
                    d.super_pass = true;
                    // 10 stands for Superzahl 0; 0 means not entered.
                    if (extra == 10) d.extra = 0;
                    else if (extra >= 1 && extra <= 9) d.extra = extra;
                } else if (rules == RuleSet::Swiss && extra_is_lucky_number(params, n) && extra > 0) {
                    d.extra = extra;
                }
            }
        }
        // A draw not entered (or emptied as damaged on reading) is no played draw.
        if (d.drawn == 0) continue;
        out.push_back(d);
    }
    return out;
}

std::string eval_draw_date(const DrawArchive& archive, const GameParams& params, int number) {
    if (params.austria) {
        const auto& rows = archive.combined();
        if (number >= 1 && number <= static_cast<int>(rows.size()))
            return rows[static_cast<size_t>(number - 1)].date;
        return {};
    }
    return draw_date(params.code, number).text;
}

}  // namespace zw
