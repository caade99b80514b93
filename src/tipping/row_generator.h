// The row generator: tip numbers and bankers chosen on the number grid, an
// even/odd and low/high filter, the formula generator that picks numbers from
// the statistics, the count of possible rows, and random rows for a normal
// ticket or the numbers of one partial-system box.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "games/game_catalogue.h"
#include "stats/stat_tables.h"

namespace zw {

constexpr int kGeneratorAttemptLimit = 100000;
constexpr int kMaxGeneratedRows = 16;

// Six numbers in ascending order; byte 6 the Swiss Glückszahl (0: none).
using GeneratedRow = std::array<uint8_t, 7>;

// Allowed counts 0..6 of even ("G") and of low ("T") numbers in a row.
struct GeneratorFilter {
    std::array<bool, 7> even{true, true, true, true, true, true, true};
    std::array<bool, 7> low{true, true, true, true, true, true, true};
    bool allows(int even_count, int low_count) const;
    bool operator==(const GeneratorFilter&) const = default;
};

// "Formelgenerator": how many numbers each step adds.
struct FormulaSettings {
    int most_frequent = 0;     // "Häufigste Zahlen:"
    int longest_gap = 0;       // "&& Rückständigste:"
    int partner = 0;           // "Partner zu:" (0: none)
    int partner_frequent = 0;  // "Häufigste Partner:"
    int partner_gap = 0;       // "&& Rückständigste:"
    bool skip_last_draw = false;
};

// What the rows are for: a normal ticket, or a partial-system box of
// `box_numbers` numbers.
struct GeneratorTarget {
    bool box = false;
    int box_numbers = 0;
    // More numbers than this must be chosen.
    int required_total() const { return box ? box_numbers : 7; }
    // A row (box) keeps room for two numbers from the tips.
    int max_bankers() const { return required_total() - 2; }
};

// The chosen tips and bankers, kept while the program runs.
class GeneratorState {
public:
    enum class Mode { kTips, kBankers };

    explicit GeneratorState(const GameParams& params = GameParams{});
    // Another game: empties the sets when its numbers differ.
    void set_game(const GameParams& params);

    int highest() const { return highest_; }
    bool swiss() const { return swiss_; }
    // Grid cells: 1..N, and for the Swiss game 43..48 for the Glückszahlen.
    int cells() const { return highest_ + (swiss_ ? 6 : 0); }

    // A click on cell n in the mode: toggles it under the rules of the grid.
    // False when nothing changed (a banker in tip mode, too many bankers, ...).
    bool choose(int cell, Mode mode, const GeneratorTarget& target);
    // "_Inverter": every number 1..N that is not a banker changes its tip state.
    void invert();
    // "_Löschung".
    void clear();
    // Adds a tip (no banker, no Glückszahl cell); false when it was not added.
    bool add_tip(int n);
    void remove_tip(int n);

    bool is_tip(int cell) const { return cell >= 1 && cell < kCells && tips_[static_cast<size_t>(cell)]; }
    bool is_banker(int cell) const { return cell >= 1 && cell < kCells && bankers_[static_cast<size_t>(cell)]; }
    // Main numbers only (Glückszahl cells apart).
    std::vector<int> tips() const;
    std::vector<int> bankers() const;
    int tip_count() const { return static_cast<int>(tips().size()); }
    int banker_count() const { return static_cast<int>(bankers().size()); }
    // Main numbers chosen (tips and bankers).
    int total() const { return tip_count() + banker_count(); }
    std::vector<int> lucky_tips() const;  // Glückszahlen 1..6
    int lucky_banker() const;             // 0: none

private:
    static constexpr int kCells = 64;
    bool lucky_cell(int cell) const { return swiss_ && cell > kLuckyCellBase && cell <= kLuckyCellBase + 6; }
    int highest_ = 49;
    bool swiss_ = false;
    std::bitset<kCells> tips_;
    std::bitset<kCells> bankers_;
};

// Rows of six from all bankers and 6 - k tips whose even and low counts the
// filter allows (Swiss: times the chosen Glückszahlen unless one is a banker).
// Counted over the four classes even/odd x low/high of the tips.
uint64_t possible_rows(const GeneratorState& state, const GeneratorFilter& filter, const GameParams& params);

// Whether the choice can generate; the prompt names the rule.
bool is_ready(const GeneratorState& state, const GeneratorTarget& target);
std::string generator_prompt(const GeneratorTarget& target);
std::string possible_rows_text(uint64_t possible);  // "Zufallsgenerator: P mögliche Reihen"

struct GenerationResult {
    std::vector<GeneratedRow> rows;  // the rows found, never more than asked for
    bool complete = false;           // all rows found
    int attempts = 0;
    std::string message;             // why not complete; empty otherwise
};
extern const char* const kNotEnoughRowsMessage;

// `count` different rows holding every banker, from the tips, within the
// filter; at most kGeneratorAttemptLimit attempts in all.
GenerationResult generate_rows(const GeneratorState& state, const GeneratorFilter& filter,
                               const GameParams& params, int count, RandomSource& random);

// The numbers of a partial-system box: the bankers and tips drawn at random
// up to `box_numbers`, ascending; Swiss: a Glückszahl as for a row.
struct BoxNumbers {
    std::vector<uint8_t> numbers;
    uint8_t lucky = 0;
};
BoxNumbers generate_box(const GeneratorState& state, int box_numbers, RandomSource& random);

// Applies the formula generator to the tips, from its own statistics tables.
void apply_formula(GeneratorState& state, const FormulaSettings& settings, const DrawSource& source,
                   const DrawRange& range);

// What the generator window offers again the next time it opens.
struct GeneratorSettings {
    GeneratorState state;
    GeneratorFilter filter;
    FormulaSettings formula;
};

// The `how_many` numbers 1..n with the largest values (ties: smaller first).
std::vector<int> top_numbers(const NumberTable& values, int n, int how_many);

}  // namespace zw
