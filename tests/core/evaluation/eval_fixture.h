// Small archives built in memory for the evaluation tests.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "archive/draw_archive.h"
#include "evaluation/evaluation.h"
#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"

namespace zw::test {

struct EvalFixture {
    GameParams params;
    DrawArchive archive;
    MoneyTables money;
    PartialSystems partial;
    DrawRange range;

    explicit EvalFixture(GameCode game, int draws = 0) {
        apply_game(params, game);
        archive.clear_for(params);
        for (int g = 0; g < 6; ++g) money.fees[kRowStake][static_cast<size_t>(g)] = 100;
        money.fees[kSideStake2][kAustria] = 50;
        for (int g = 0; g < 6; ++g)
            for (int p = 0; p < 9; ++p) money.quota[static_cast<size_t>(g)][static_cast<size_t>(p)] = 1000 * (p + 1);
        for (int i = 0; i < 11; ++i) money.swiss_quota[static_cast<size_t>(i)] = 100 * (i + 1);
        if (draws > 0) archive.extend_to(draws);
        refresh();
    }

    // Sets draw n (numbers and extra byte 6); Austria: also its LottoPlus numbers.
    void set_draw(int n, std::array<uint8_t, 6> six, uint8_t extra, std::array<uint8_t, 6> plus = {}) {
        if (n >= archive.next_draw()) archive.extend_to(n);
        archive.set_draw(n, Draw{six, extra});
        if (uint8_t* p = archive.lotto_plus_mut(n)) {
            for (int i = 0; i < 6; ++i) p[i] = plus[static_cast<size_t>(i)];
            archive.set_lotto_plus_count(std::max(archive.lotto_plus_count(), n - kLottoPlusStart + 1));
        }
        refresh();
    }

    void refresh() {
        if (params.austria) archive.merge_bonus_draws();
        range.set(1, archive.default_range().last);
    }

    EvaluationInputs inputs() const { return {params, archive, range, money, partial}; }
    std::vector<EvalDraw> draws() const { return eval_draws(archive, params, range.first, range.last); }
};

inline TicketLine row_line(std::vector<uint8_t> numbers, int number = 1, int lucky = 0) {
    TicketLine l;
    l.number = number;
    l.numbers = std::move(numbers);
    l.lucky = lucky;
    return l;
}

inline TicketLine full_line(std::vector<uint8_t> numbers, int number = 1, int lucky = 0) {
    TicketLine l = row_line(std::move(numbers), number, lucky);
    l.kind = LineKind::FullSystem;
    return l;
}

}  // namespace zw::test
