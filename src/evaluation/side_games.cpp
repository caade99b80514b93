#include "evaluation/side_games.h"

#include <algorithm>

#include "evaluation/eval_draws.h"

namespace zw {

std::string with_leading_zeros(int64_t value, int width) {
    const std::string text = "000000" + std::to_string(value < 0 ? 0 : value);
    return text.substr(text.size() - static_cast<size_t>(std::min<size_t>(text.size(), static_cast<size_t>(width))));
}

int matching_final_digits(int64_t ticket, int64_t drawn, int top) {
    const std::string a = with_leading_zeros(ticket, 7);
    const std::string b = with_leading_zeros(drawn, 7);
    for (int k = std::min(top, 7); k >= 1; --k)
        if (a.compare(a.size() - static_cast<size_t>(k), static_cast<size_t>(k), b,
                      b.size() - static_cast<size_t>(k), static_cast<size_t>(k)) == 0)
            return k;
    return 0;
}

SideGameResult evaluate_side_games(const DrawArchive& archive, const GameParams& params, int first,
                                   int last, const SideGameTicket& ticket) {
    std::vector<int> draws;
    first = std::max(first, 1);
    last = std::min(last, last_evaluable_draw(archive));
    for (int n = first; n <= last; ++n) draws.push_back(n);
    return evaluate_side_games(archive, params, draws, ticket);
}

SideGameResult evaluate_side_games(const DrawArchive& archive, const GameParams& params,
                                   std::span<const int> draws, const SideGameTicket& ticket) {
    SideGameResult result;
    const int last = last_evaluable_draw(archive);
    auto walk = [&](auto side_of, int top) {
        DigitCounts counts{};
        for (int n : draws) {
            if (n < 1 || n > last) continue;
            const int64_t drawn = side_of(n);
            if (drawn < 0) continue;
            if (const int k = matching_final_digits(ticket.lottery_number, drawn, top)) ++counts[static_cast<size_t>(k)];
        }
        return counts;
    };
    if (is_german_game(params.code)) {
        if (ticket.lottery_number < 0) return result;
        if (ticket.spiel77) result.spiel77 = walk([&](int n) { return archive.side_number(n); }, 7);
        if (ticket.super6) result.super6 = walk([&](int n) { return archive.super6_number(n); }, 6);
    } else if (params.swiss) {
        if (ticket.joker && ticket.lottery_number >= 0)
            result.joker = walk([&](int n) { return archive.side_number(n); }, 6);
    } else if (params.austria && !ticket.jokers.empty()) {
        DigitCounts counts{};
        const auto& rows = archive.combined();
        for (int n : draws) {
            if (n < 1 || n > last || n > static_cast<int>(rows.size())) continue;
            const int32_t drawn = rows[static_cast<size_t>(n - 1)].joker;
            if (drawn < 0) continue;
            for (int32_t joker : ticket.jokers) {
                if (joker < 0) continue;
                if (const int k = matching_final_digits(joker, drawn, 6)) ++counts[static_cast<size_t>(k)];
            }
        }
        result.joker = counts;
    }
    return result;
}

int64_t side_winnings(const DigitCounts& counts, const std::array<int32_t, 8>& prizes) {
    int64_t sum = 0;
    for (size_t k = 1; k < counts.size(); ++k) sum += int64_t{counts[k]} * prizes[k];
    return sum;
}

}  // namespace zw
