// What a draw record of a game may hold at a given draw number. The games
// changed their rules over the years, so one record is judged by the rules in
// force when it was drawn, not by today's.
#pragma once

#include "games/game_catalogue.h"

namespace zw {

// The Swiss game drew 6 of 45 with a Zusatzzahl up to draw 3073; draws
// 2685..3073 also carry the plus number in byte 7.
constexpr int kSwissEarlyHighest = 45;
constexpr int kSwissPlusFirst = 2685;
constexpr int kSwissPlusLast = kSwissLuckyStart - 1;

enum class ExtraKind {
    kZusatzzahl,  // 1..highest of the draw's era
    kSuperzahl,   // 0..9, stored 1..10 (10 stands for 0)
    kLucky,       // Swiss Glückszahl 1..6
};

struct DrawRules {
    int highest = 49;   // the six numbers are distinct numbers 1..highest
    ExtraKind extra = ExtraKind::kZusatzzahl;
    int extra_max = 49;  // byte 6 holds 0 (not known) or 1..extra_max
    int plus_max = 0;    // Swiss byte 7: 0 (none) or 1..plus_max; 0 = byte 7 is not read
};

// The rules of draw n of the game described by `p`.
constexpr DrawRules draw_rules_at(const GameParams& p, int n) {
    DrawRules r;
    r.highest = p.highest_number;
    if (p.swiss) {
        if (n >= kSwissLuckyStart) {
            r.extra = ExtraKind::kLucky;
            r.extra_max = 6;
        } else {
            r.highest = kSwissEarlyHighest;
            r.extra_max = kSwissEarlyHighest;
            if (n >= kSwissPlusFirst) r.plus_max = kSwissEarlyHighest;
        }
        return r;
    }
    if (p.super_start > 0 && n >= p.super_start) {
        r.extra = ExtraKind::kSuperzahl;
        r.extra_max = 10;
        return r;
    }
    r.extra_max = r.highest;
    return r;
}

}  // namespace zw
