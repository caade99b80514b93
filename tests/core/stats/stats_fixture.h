// Small in-memory archives for the statistics tests.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <random>

#include "archive/draw_archive.h"
#include "stats/stat_tables.h"

namespace zw::test {

struct StatsArchive {
    GameParams params;
    DrawArchive archive;

    explicit StatsArchive(GameCode game) {
        apply_game(params, game);
        archive.clear_for(params);
    }
    // Stores draw d (numbers sorted as the archive keeps them) and grows the archive.
    void draw(int d, std::array<int, 6> six, int extra = 0) {
        EXPECT_TRUE(archive.extend_to(d));
        std::sort(six.begin(), six.end());
        Draw r;
        for (int j = 0; j < 6; ++j) r.numbers[j] = static_cast<uint8_t>(six[static_cast<size_t>(j)]);
        r.extra = static_cast<uint8_t>(extra);
        archive.set_draw(d, r);
        if (params.austria) archive.merge_bonus_draws();
    }
    void plus(int d, std::array<int, 6> six) {
        std::sort(six.begin(), six.end());
        uint8_t* p = archive.lotto_plus_mut(d);
        for (int j = 0; j < 6; ++j) p[j] = static_cast<uint8_t>(six[static_cast<size_t>(j)]);
        archive.set_lotto_plus_count(std::max(archive.lotto_plus_count(), d - kLottoPlusStart + 1));
        archive.merge_bonus_draws();
    }
    // `count` random draws 1..count; extra numbers fitting the game and draw.
    void random_draws(int count, unsigned seed) {
        std::mt19937 rng(seed);
        const int n = params.highest_number;
        EXPECT_TRUE(archive.extend_to(count));
        for (int d = 1; d <= count; ++d) {
            std::array<int, 49> pool{};
            for (int i = 0; i < n; ++i) pool[static_cast<size_t>(i)] = i + 1;
            std::shuffle(pool.begin(), pool.begin() + n, rng);
            std::sort(pool.begin(), pool.begin() + 6);
            Draw r;
            for (int j = 0; j < 6; ++j) r.numbers[j] = static_cast<uint8_t>(pool[static_cast<size_t>(j)]);
            int extra = pool[6];
            if (extra_is_superzahl(params, d)) extra = 1 + static_cast<int>(rng() % 10);
            if (extra_is_lucky_number(params, d)) extra = 1 + static_cast<int>(rng() % 6);
            r.extra = static_cast<uint8_t>(extra);
            archive.set_draw(d, r);
            if (params.austria && d >= kLottoPlusStart) {
                std::shuffle(pool.begin(), pool.begin() + n, rng);
                std::sort(pool.begin(), pool.begin() + 6);
                uint8_t* p = archive.lotto_plus_mut(d);
                for (int j = 0; j < 6; ++j) p[j] = static_cast<uint8_t>(pool[static_cast<size_t>(j)]);
                archive.set_lotto_plus_count(d - kLottoPlusStart + 1);
            }
        }
        if (params.austria) archive.merge_bonus_draws();
    }
    DrawSource source() const { return DrawSource(archive, params); }
};

inline DrawRange range(int first, int last) {
    DrawRange r;
    r.set(first, last);
    return r;
}

}  // namespace zw::test
