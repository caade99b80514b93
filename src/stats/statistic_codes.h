// Statistic codes: what the result window shows, its heading, and how the
// kind switch (winning, extra/super and LottoPlus numbers) maps between them.
#pragma once

#include <optional>
#include <string>

#include "games/game_catalogue.h"

namespace zw {

enum StatisticCode : int {
    kStatFrequency = 1,
    kStatExtraFrequency = 2,
    kStatGaps = 3,
    kStatExtraGaps = 4,
    kStatOverview = 5,
    kStatExtraOverview = 6,
    kStatPartnerGaps = 7,
    kStatPartnerOverview = 8,
    kStatTriplePartnerGaps = 9,
    kStatTriplePartnerOverview = 10,
    kStatQuadruplePartnerGaps = 11,
    kStatQuadruplePartnerOverview = 12,
    kStatTwinFrequency = 13,
    kStatTwinGaps = 14,
    kStatTwinOverview = 15,
    kStatEvenOdd = 16,
    kStatProbability = 17,
    kStatSmallest = 18,
    kStatLargest = 19,
    kStatBoundaryPairs = 20,
    kStatTripletFrequency = 21,
    kStatTripletGaps = 22,
    kStatTripletOverview = 23,
    kStatLowHigh = 24,
    kStatPlusFrequency = 31,
    kStatPlusGaps = 32,
    kStatPlusOverview = 33,
    kStatBestPairs = 36,
    kStatBestTriples = 40,
    kStatBestQuadruples = 45,
    kStatPlusTwinFrequency = 46,
    kStatPlusTwinGaps = 47,
    kStatPlusTwinOverview = 48,
    kStatPlusTripletFrequency = 49,
    kStatPlusTripletGaps = 50,
    kStatPlusTripletOverview = 51,
    kStatPlusEvenOdd = 55,
    kStatPlusLowHigh = 56,
    kStatPlusProbability = 57,
    kStatBalanceDiagram = 100,
};

// Heading text of a code for the game (leading blanks included); empty for
// codes this table does not know.
std::string statistic_title(int code, const GameParams& params);

// The kind switch: option 1 (winning numbers), 2 (extra, super or LottoPlus
// numbers of the combination statistics) or 3 (LottoPlus numbers). nullopt
// when the option has no counterpart for the code.
std::optional<int> switch_kind(int code, int option);
// True for the LottoPlus codes (31..33 and the counterparts from 34 on).
bool is_plus_code(int code);
// The winning-number code a code belongs to (itself when it is one).
int base_code(int code);

// Whether the kind switch is offered, and its captions.
bool shows_kind_switch(int code, const GameParams& params);
bool shows_plus_option(int code, const GameParams& params);
std::string second_kind_caption(int code, const GameParams& params);
// The option (1..3) that stands for the code.
int selected_kind(int code);
// The option the "p" key chooses.
int plus_key_option(int code);

// A code that fits the game: LottoPlus codes outside Austria and extra-number
// codes of the Swiss game fall back to their winning-number code.
int code_for_game(int code, const GameParams& params);

// Help topic of the result window's help button.
std::string help_topic(int code, bool gap_average_diagram);

}  // namespace zw
