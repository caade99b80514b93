#include "tipping/row_generator.h"

#include <algorithm>

#include "archive/draw_archive.h"
#include "stats/combinations.h"
#include "stats/distributions.h"
#include "stats/frequencies.h"

namespace zw {

const char* const kNotEnoughRowsMessage =
    "Es konnten nicht genug|Reihen gefunden werden!|Bitte Filter durchlässiger machen|oder mehr Zahlen anklicken!";

bool GeneratorFilter::allows(int even_count, int low_count) const {
    return even_count >= 0 && even_count <= 6 && low_count >= 0 && low_count <= 6 &&
           even[static_cast<size_t>(even_count)] && low[static_cast<size_t>(low_count)];
}

GeneratorState::GeneratorState(const GameParams& params)
    : highest_(params.highest_number), swiss_(params.swiss) {}

void GeneratorState::set_game(const GameParams& params) {
    if (params.highest_number == highest_ && params.swiss == swiss_) return;
    highest_ = params.highest_number;
    swiss_ = params.swiss;
    clear();
}

bool GeneratorState::choose(int cell, Mode mode, const GeneratorTarget& target) {
    if (cell < 1 || cell > cells()) return false;
    const auto i = static_cast<size_t>(cell);
    if (mode == Mode::kTips) {
        if (tips_[i]) {
            tips_[i] = false;
            return true;
        }
        if (bankers_[i]) return false;
        tips_[i] = true;
        return true;
    }
    if (bankers_[i]) {
        bankers_[i] = false;
        return true;
    }
    if (tips_[i]) return false;
    if (lucky_cell(cell)) {
        // One Glückszahl per row: one lucky banker at most.
        if (lucky_banker() != 0) return false;
    } else if (banker_count() >= target.max_bankers()) {
        return false;
    }
    bankers_[i] = true;
    return true;
}

void GeneratorState::invert() {
    for (int n = 1; n <= highest_; ++n)
        if (!bankers_[static_cast<size_t>(n)]) tips_.flip(static_cast<size_t>(n));
}

void GeneratorState::clear() {
    tips_.reset();
    bankers_.reset();
}

bool GeneratorState::add_tip(int n) {
    if (n < 1 || n > highest_ || bankers_[static_cast<size_t>(n)]) return false;
    tips_[static_cast<size_t>(n)] = true;
    return true;
}

void GeneratorState::remove_tip(int n) {
    if (n >= 1 && n <= highest_) tips_[static_cast<size_t>(n)] = false;
}

std::vector<int> GeneratorState::tips() const {
    std::vector<int> out;
    for (int n = 1; n <= highest_; ++n)
        if (tips_[static_cast<size_t>(n)]) out.push_back(n);
    return out;
}

std::vector<int> GeneratorState::bankers() const {
    std::vector<int> out;
    for (int n = 1; n <= highest_; ++n)
        if (bankers_[static_cast<size_t>(n)]) out.push_back(n);
    return out;
}

std::vector<int> GeneratorState::lucky_tips() const {
    std::vector<int> out;
    if (!swiss_) return out;
    for (int g = 1; g <= 6; ++g)
        if (tips_[static_cast<size_t>(g + kLuckyCellBase)]) out.push_back(g);
    return out;
}

int GeneratorState::lucky_banker() const {
    if (!swiss_) return 0;
    for (int g = 1; g <= 6; ++g)
        if (bankers_[static_cast<size_t>(g + kLuckyCellBase)]) return g;
    return 0;
}

namespace {

uint64_t binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    uint64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return r;
}

// How many Glückszahlen a row can take: the banker, or one of the chosen
// ones; without any the rows carry none.
uint64_t lucky_factor(const GeneratorState& s) {
    if (s.lucky_banker() != 0) return 1;
    return std::max<uint64_t>(1, s.lucky_tips().size());
}

struct RowCounts {
    int even = 0;
    int low = 0;
};

RowCounts counts_of(const uint8_t* six, int low_border) {
    RowCounts c;
    for (int j = 0; j < 6; ++j) {
        c.even += six[j] % 2 == 0;
        c.low += six[j] < low_border;
    }
    return c;
}

}  // namespace

uint64_t possible_rows(const GeneratorState& state, const GeneratorFilter& filter, const GameParams& params) {
    const std::vector<int> bankers = state.bankers();
    const int k = static_cast<int>(bankers.size());
    if (k >= 6) return 0;
    const int border = low_limit(params);
    int banker_even = 0, banker_low = 0;
    for (int b : bankers) {
        banker_even += b % 2 == 0;
        banker_low += b < border;
    }
    // Tips by class: 0 odd high, 1 odd low, 2 even high, 3 even low.
    std::array<int, 4> c{};
    for (int t : state.tips()) ++c[static_cast<size_t>((t % 2 == 0) * 2 + (t < border))];
    const int m = 6 - k;
    uint64_t total = 0;
    for (int el = 0; el <= std::min(m, c[3]); ++el)
        for (int eh = 0; eh <= std::min(m - el, c[2]); ++eh)
            for (int ol = 0; ol <= std::min(m - el - eh, c[1]); ++ol) {
                const int oh = m - el - eh - ol;
                if (oh > c[0]) continue;
                if (!filter.allows(banker_even + el + eh, banker_low + el + ol)) continue;
                total += binomial(c[3], el) * binomial(c[2], eh) * binomial(c[1], ol) * binomial(c[0], oh);
            }
    return total * lucky_factor(state);
}

bool is_ready(const GeneratorState& state, const GeneratorTarget& target) {
    const int k = state.banker_count();
    const int positions = target.box ? target.box_numbers : 6;
    return state.total() > target.required_total() && k <= target.max_bankers() &&
           state.tip_count() >= positions - k;
}

std::string generator_prompt(const GeneratorTarget& target) {
    return "BITTE INSGESAMT MEHR ALS " + std::to_string(target.required_total()) + " ZAHLEN AUSWÄHLEN!";
}

std::string possible_rows_text(uint64_t possible) {
    return "Zufallsgenerator: " + std::to_string(possible) + " mögliche Reihen";
}

namespace {

// The Glückszahl of a row: the banker, else one of the chosen ones, else none.
uint8_t draw_lucky(const GeneratorState& s, RandomSource& random) {
    if (const int b = s.lucky_banker()) return static_cast<uint8_t>(b);
    const std::vector<int> lucky = s.lucky_tips();
    if (lucky.empty()) return 0;
    return static_cast<uint8_t>(lucky[random.below(static_cast<uint32_t>(lucky.size()))]);
}

// Fills `out` with the bankers and `wanted` different tips drawn uniformly.
void draw_numbers(const std::vector<int>& bankers, std::vector<int>& pool, int wanted, RandomSource& random,
                  std::vector<uint8_t>& out) {
    out.clear();
    for (int b : bankers) out.push_back(static_cast<uint8_t>(b));
    // A partial shuffle: each remaining position takes a tip not drawn yet.
    for (int i = 0; i < wanted; ++i) {
        const auto j = static_cast<size_t>(i) + random.below(static_cast<uint32_t>(pool.size() - static_cast<size_t>(i)));
        std::swap(pool[static_cast<size_t>(i)], pool[j]);
        out.push_back(static_cast<uint8_t>(pool[static_cast<size_t>(i)]));
    }
    std::sort(out.begin(), out.end());
}

}  // namespace

GenerationResult generate_rows(const GeneratorState& state, const GeneratorFilter& filter,
                               const GameParams& params, int count, RandomSource& random) {
    GenerationResult result;
    count = std::clamp(count, 0, kMaxGeneratedRows);
    const std::vector<int> bankers = state.bankers();
    std::vector<int> pool = state.tips();
    const int wanted = 6 - static_cast<int>(bankers.size());
    if (wanted < 0 || static_cast<int>(pool.size()) < wanted) {
        result.message = generator_prompt(GeneratorTarget{});
        return result;
    }
    const int border = low_limit(params);
    std::vector<uint8_t> six;
    while (static_cast<int>(result.rows.size()) < count) {
        if (result.attempts >= kGeneratorAttemptLimit) {
            result.message = kNotEnoughRowsMessage;
            return result;
        }
        ++result.attempts;
        draw_numbers(bankers, pool, wanted, random, six);
        GeneratedRow row{};
        std::copy(six.begin(), six.end(), row.begin());
        row[6] = draw_lucky(state, random);
        const RowCounts c = counts_of(row.data(), border);
        if (!filter.allows(c.even, c.low)) continue;
        // Swiss rows that differ only in the Glückszahl are different rows.
        if (std::find(result.rows.begin(), result.rows.end(), row) != result.rows.end()) continue;
        result.rows.push_back(row);
    }
    result.complete = true;
    return result;
}

BoxNumbers generate_box(const GeneratorState& state, int box_numbers, RandomSource& random) {
    BoxNumbers box;
    const std::vector<int> bankers = state.bankers();
    std::vector<int> pool = state.tips();
    const int wanted = std::clamp(box_numbers - static_cast<int>(bankers.size()), 0, static_cast<int>(pool.size()));
    box.lucky = draw_lucky(state, random);
    draw_numbers(bankers, pool, wanted, random, box.numbers);
    return box;
}

std::vector<int> top_numbers(const NumberTable& values, int n, int how_many) {
    std::vector<int> numbers = display_columns(order_for_display(values, n), n);
    numbers.resize(std::min(numbers.size(), static_cast<size_t>(std::max(how_many, 0))));
    return numbers;
}

namespace {

// The most frequent numbers among those drawn at all: a number never drawn
// (with the base number) is no "most frequent" one.
std::vector<int> most_frequent_drawn(const NumberTable& counts, int n, int how_many) {
    std::vector<int> top = top_numbers(counts, n, how_many);
    std::erase_if(top, [&](int x) { return counts[static_cast<size_t>(x)] <= 0; });
    return top;
}

}  // namespace

void apply_formula(GeneratorState& state, const FormulaSettings& f, const DrawSource& source,
                   const DrawRange& range) {
    if (range.count < 1 || range.last < 1) return;  // no draws: no statistics to pick from
    const int n = source.highest();
    StatTables t;  // its own tables: the grid's statistics stay as they are
    compute_frequencies(source, range, t);
    compute_gaps(source, range.last, t);
    for (int x : most_frequent_drawn(t.main_frequency, n, f.most_frequent)) state.add_tip(x);
    for (int x : top_numbers(t.main_gap, n, f.longest_gap)) state.add_tip(x);
    if (f.partner >= 1 && f.partner <= n) {
        const std::array<int, 1> fixed{f.partner};
        NumberTable partners{}, gaps{};
        partner_frequencies(source, range, fixed, false, partners);
        partner_gaps(source, range.last, fixed, false, gaps);
        // The base number itself is no partner of its own.
        partners[static_cast<size_t>(f.partner)] = -1;
        gaps[static_cast<size_t>(f.partner)] = -1;
        for (int x : most_frequent_drawn(partners, n, f.partner_frequent)) state.add_tip(x);
        for (int x : top_numbers(gaps, n, f.partner_gap)) state.add_tip(x);
    }
    if (f.skip_last_draw && range.last >= 1) {
        const int d = marked_draw(source, range.last, false);
        const DrawNumbers r = source.numbers(d);
        for (int j = 0; j < 6; ++j) state.remove_tip(r[j]);
        // Byte 6 is a Zusatzzahl only where it is neither Superzahl nor Glückszahl.
        if (!extra_is_superzahl(source.params(), d) && !extra_is_lucky_number(source.params(), d))
            state.remove_tip(r[6]);
    }
}

}  // namespace zw
