// stats KIND: frequencies, gaps, twins, triplets, distributions and the
// probability view over the draw range.
#include <algorithm>
#include <cstdio>
#include <functional>

#include "base/decimal.h"
#include "cli.h"
#include "json.h"
#include "stats/chance_charts.h"
#include "stats/chart_model.h"
#include "stats/combination_chart_model.h"
#include "stats/combinations.h"
#include "stats/distributions.h"
#include "stats/frequencies.h"
#include "stats/probability.h"
#include "stats/runs.h"
#include "stats/stat_table_export.h"
#include "stats/statistic_codes.h"

namespace zw::cli {
namespace {

// One value per number, `count` numbers; `label` names number i as the user
// sees it (Superzahl 10 is 0, Glückszahl slots are 1..6).
struct Values {
    NumberTable table{};  // values at 1..count
    int count = 0;
    std::function<int(int)> label = [](int i) { return i; };
};

Values numbers_of(const NumberTable& t, int count) {
    Values v;
    v.table = t;
    v.count = count;
    return v;
}

Values super_numbers(const NumberTable& t) {
    Values v = numbers_of(t, kSuperNumbers);
    v.label = [](int i) { return i == kSuperNumbers ? 0 : i; };
    return v;
}

Values lucky_numbers(const NumberTable& t) {
    Values v;
    for (int g = 1; g <= kLuckyNumbers; ++g) v.table[static_cast<size_t>(g)] = t[static_cast<size_t>(g + kLuckyOffset)];
    v.count = kLuckyNumbers;
    return v;
}

void print_values(Context& ctx, const std::string& kind, const DrawRange& r, const Values& v) {
    const DisplayOrder order = order_for_display(v.table, v.count);
    const std::vector<int> columns = display_columns(order, v.count);
    if (ctx.options.json) {
        Json values = Json::object(), shown = Json::array();
        for (int i = 1; i <= v.count; ++i) values[std::to_string(v.label(i))] = v.table[static_cast<size_t>(i)];
        for (int n : columns) shown.push_back(v.label(n));
        print(ctx.out, {{"kind", kind}, {"range", {r.first, r.last}}, {"values", values}, {"order", shown}});
        return;
    }
    ctx.out << kind << " über die Ziehungen " << r.first << ".." << r.last << "\n";
    for (int i = 1; i <= v.count; ++i) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%3d %6d\n", v.label(i), v.table[static_cast<size_t>(i)]);
        ctx.out << buf;
    }
    ctx.out << "Reihenfolge:";
    for (int n : columns) ctx.out << ' ' << v.label(n);
    ctx.out << "\n";
}

void print_histogram(Context& ctx, const std::string& kind, const DrawRange& r, const Histogram& h,
                     const std::array<int, 7>& expected) {
    if (ctx.options.json) {
        print(ctx.out, {{"kind", kind}, {"range", {r.first, r.last}}, {"counts", h.counts}, {"expected", expected}});
        return;
    }
    const char* a = kind == "even-odd" ? "G" : "T";
    const char* b = kind == "even-odd" ? "U" : "H";
    ctx.out << kind << " über " << h.draws << " Ziehungen (" << r.first << ".." << r.last << ")\n";
    for (int k = 0; k < 7; ++k) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%dx%s %dx%s %6d (%d)\n", k, a, 6 - k, b,
                      h.counts[static_cast<size_t>(k)], expected[static_cast<size_t>(k)]);
        ctx.out << buf;
    }
}

// The chance tests of the winning numbers: frequencies over the range, the
// longest current gap at range last.
void print_chance(Context& ctx, const DrawRange& r, const DrawSource& source, StatTables& t) {
    compute_frequencies(source, r, t);
    compute_gaps(source, r.last, t);
    const NumberChanceTests tests = number_chance_tests(kStatOverview, source, r, t);
    const FrequencyTest& f = *tests.frequency;
    const GapTest& g = *tests.gaps;
    if (ctx.options.json) {
        print(ctx.out, {{"range", {r.first, r.last}},
                        {"draws", f.draws},
                        {"first_counted", tests.first},
                        {"chi2", f.usable() ? number(f.statistic) : Json(nullptr)},
                        {"dof", f.dof},
                        {"p", f.usable() ? number(f.p) : Json(nullptr)},
                        {"max_gap", g.max_gap},
                        {"max_gap_p", g.usable() ? number(g.p) : Json(nullptr)}});
        return;
    }
    ctx.out << number_chance_line(kStatOverview, source, r, t) << "\n";
    if (f.usable()) {
        ctx.out << "Chi-Quadrat " << decimal_text(f.statistic, 2) << " bei " << f.dof << " Freiheitsgraden über "
                << f.draws << " Ziehungen (" << tests.first << ".." << r.last << ")\n";
    }
}

void require_austria(const Context& ctx) {
    if (!ctx.session.params.austria)
        throw UsageError("PLUS-Zahlen gibt es nur im Spiel 3 (Österreich Lotto).");
}

void print_best(Context& ctx, const std::string& kind, const DrawRange& r, const std::vector<BestEntry>& best) {
    if (ctx.options.json) {
        Json entries = Json::array();
        for (const BestEntry& e : best) {
            const auto& numbers = e.combination.numbers;
            entries.push_back({{"numbers", std::vector<int>(numbers.begin(), numbers.begin() + e.combination.size)},
                               {"count", e.count},
                               {"gap", e.gap}});
        }
        print(ctx.out, {{"kind", kind}, {"range", {r.first, r.last}}, {"best", entries}});
        return;
    }
    ctx.out << kind << " über die Ziehungen " << r.first << ".." << r.last
            << " (gleiche Anzahl: aufsteigend nach Kombination)\n";
    for (size_t i = 0; i < best.size(); ++i) {
        char buf[96];
        int len = std::snprintf(buf, sizeof buf, "%2zu.", i + 1);
        for (int k = 0; k < best[i].combination.size; ++k)
            len += std::snprintf(buf + len, sizeof buf - static_cast<size_t>(len), " %2d", best[i].combination.numbers[static_cast<size_t>(k)]);
        std::snprintf(buf + len, sizeof buf - static_cast<size_t>(len), "  %5d mal  Rückstand %5d\n", best[i].count, best[i].gap);
        ctx.out << buf;
    }
}

// "--with": one to three different numbers of the game.
std::vector<int> fixed_numbers(const Context& ctx) {
    const int n = ctx.session.params.highest_number;
    const std::string refusal = "--with braucht 1 bis 3 verschiedene Zahlen von 1 bis " + std::to_string(n) + ".";
    const auto text = ctx.args.text("--with");
    if (!text) throw UsageError(refusal);
    const std::vector<int> fixed = parse_numbers(*text, "eine Zahl von --with");
    std::vector<int> sorted = fixed;
    std::sort(sorted.begin(), sorted.end());
    if (fixed.empty() || fixed.size() > 3 || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() ||
        sorted.front() < 1 || sorted.back() > n)
        throw UsageError(refusal);
    return sorted;
}

// Pairs, triples, quadruples, boundary pairs, partners and extremes; false
// for other kinds.
bool combination_stats(Context& ctx, const std::string& kind, const DrawRange& r, const DrawSource& source) {
    const bool plus = ctx.args.flag("--plus");
    if (plus) require_austria(ctx);
    const int n = ctx.session.params.highest_number;
    static const std::pair<const char*, CombinationFamily> kFamilies[] = {
        {"pairs", CombinationFamily::kPairs},
        {"triples", CombinationFamily::kTriples},
        {"quadruples", CombinationFamily::kQuadruples},
        {"boundary-pairs", CombinationFamily::kBoundaryPairs},
    };
    for (auto [name, family] : kFamilies)
        if (kind == name) {
            print_best(ctx, kind, r, best_combinations(source, r, family, plus));
            return true;
        }
    NumberTable values{};
    if (kind == "partners" || kind == "partner-gaps") {
        const std::vector<int> fixed = fixed_numbers(ctx);
        if (kind == "partners")
            partner_frequencies(source, r, fixed, plus, values);
        else
            partner_gaps(source, r.last, fixed, plus, values);
    } else if (kind == "smallest") {
        smallest_frequencies(source, r, plus, values);
    } else if (kind == "smallest-gaps") {
        smallest_gaps(source, r.last, plus, values);
    } else if (kind == "largest") {
        largest_frequencies(source, r, plus, values);
    } else if (kind == "largest-gaps") {
        largest_gaps(source, r.last, plus, values);
    } else {
        return false;
    }
    print_values(ctx, kind, r, numbers_of(values, n));
    return true;
}

constexpr const char* kKinds[] = {
    "frequency", "gaps", "extra-frequency", "extra-gaps", "plus-frequency", "plus-gaps", "twins",
    "twin-gaps", "triplets", "triplet-gaps", "even-odd", "low-high", "probability", "chance", "pairs",
    "triples", "quadruples", "boundary-pairs", "partners", "partner-gaps", "smallest", "smallest-gaps",
    "largest", "largest-gaps"};

std::string kind_list() {
    std::string list;
    for (const char* k : kKinds) list += (list.empty() ? "" : ", ") + std::string(k);
    return list + " (kurz: freq, gap, extra-freq, plus-freq, twin, triplet, prob)";
}

// The kind's full name, short forms taken; empty when unknown.
std::string canonical_kind(const std::string& word) {
    static const std::pair<const char*, const char*> kShort[] = {
        {"freq", "frequency"},          {"frequencies", "frequency"}, {"gap", "gaps"},
        {"extra-freq", "extra-frequency"}, {"plus-freq", "plus-frequency"}, {"twin", "twins"},
        {"triplet", "triplets"},        {"prob", "probability"},     {"pair", "pairs"},
        {"triple", "triples"},          {"quadruple", "quadruples"}};
    for (auto [alias, full] : kShort)
        if (word == alias) return full;
    for (const char* k : kKinds)
        if (word == k) return word;
    return {};
}

// The range as --range, --last and --from-date/--to-date choose it, the way
// the range dialog does: --last counts back from range last, the dates set
// first and last to the draws on or inside them.
DrawRange chosen_range(Context& ctx, const DrawSource& source) {
    DrawRange r = effective_range(ctx);
    const auto from = ctx.args.text("--from-date");
    const auto to = ctx.args.text("--to-date");
    if (from || to) {
        for (const auto& d : {from, to})
            if (d && !parse_date_key(*d)) throw UsageError("Ungültiges Datum \"" + *d + "\" (erwartet: TT.MM.JJJJ).");
        const auto dated = draws_between(source, from.value_or(""), to.value_or(""));
        if (!dated) throw UsageError("In diesen Tagen liegt keine Ziehung.");
        r = *dated;
    }
    if (const auto count = ctx.args.number("--last")) {
        if (*count < 1) throw UsageError("--last braucht eine Anzahl ab 1.");
        r = last_draws(*count, r.last);
    }
    return r;
}

int statistic_code(const std::string& kind) {
    static const std::pair<const char*, int> kCodes[] = {
        {"frequency", kStatFrequency},       {"extra-frequency", kStatExtraFrequency},
        {"gaps", kStatGaps},                 {"extra-gaps", kStatExtraGaps},
        {"plus-frequency", kStatPlusFrequency}, {"plus-gaps", kStatPlusGaps},
        {"twins", kStatTwinFrequency},       {"twin-gaps", kStatTwinGaps},
        {"triplets", kStatTripletFrequency}, {"triplet-gaps", kStatTripletGaps},
        {"even-odd", kStatEvenOdd},          {"low-high", kStatLowHigh}};
    for (auto [name, code] : kCodes)
        if (kind == name) return code;
    return 0;
}

// The combination charts of the result window: best lists, partners (their
// overview of frequency and gap, or the gaps alone) and the smallest and
// largest number (overview); with --plus their LottoPlus counterpart.
std::optional<StatTable> combination_table(Context& ctx, const std::string& kind, const DrawRange& r,
                                           const DrawSource& source) {
    static const std::pair<const char*, int> kBest[] = {{"pairs", kStatBestPairs},
                                                        {"triples", kStatBestTriples},
                                                        {"quadruples", kStatBestQuadruples},
                                                        {"boundary-pairs", kStatBoundaryPairs}};
    int code = 0;
    for (auto [name, c] : kBest)
        if (kind == name) code = c;
    const bool partners = kind == "partners" || kind == "partner-gaps";
    if (kind == "smallest" || kind == "smallest-gaps") code = kStatSmallest;
    if (kind == "largest" || kind == "largest-gaps") code = kStatLargest;
    if (code == 0 && !partners) return std::nullopt;
    const bool plus = ctx.args.flag("--plus");
    if (plus) require_austria(ctx);
    std::vector<int> fixed;
    if (partners) {
        fixed = fixed_numbers(ctx);
        code = kStatPartnerGaps + 2 * (static_cast<int>(fixed.size()) - 1) + (kind == "partners" ? 1 : 0);
    }
    if (plus) code = switch_kind(code, 2).value_or(code);
    StatTables tables;
    if (auto best = best_list_chart(code, source, r)) return best_list_table(*best);
    if (auto m = partners ? partner_chart(code, source, r, fixed, tables) : extreme_chart(code, source, r, tables))
        return chart_table(*m);
    return std::nullopt;
}

// The table the result window shows and exports for the kind's chart.
int write_csv(Context& ctx, const std::string& kind, const DrawRange& r, const DrawSource& source) {
    const int code = statistic_code(kind);
    if (code == kStatPlusFrequency || code == kStatPlusGaps) require_austria(ctx);
    StatTables tables;
    std::optional<StatTable> table;
    if (auto m = number_chart(code, source, r, tables))
        table = chart_table(*m);
    else if (auto runs = run_chart(code, source, r, tables))
        table = chart_table(*runs);
    else if (auto d = distribution_chart(code, source, r))
        table = distribution_table(*d);
    else
        table = combination_table(ctx, kind, r, source);
    if (!table)
        throw UsageError("--csv gibt es für frequency, gaps, extra-frequency, extra-gaps, plus-frequency, plus-gaps, "
                         "twins, twin-gaps, triplets, triplet-gaps, even-odd, low-high, pairs, triples, quadruples, "
                         "boundary-pairs, partners, partner-gaps, smallest, smallest-gaps, largest und "
                         "largest-gaps.");
    ctx.out << csv_text(*table);
    return 0;
}

}  // namespace

int cmd_stats(Context& ctx) {
    const auto words = ctx.args.words();
    const std::string kind = canonical_kind(words.empty() ? std::string() : words[0]);
    if (kind.empty())
        throw UsageError((words.empty() ? std::string("stats braucht eine Art")
                                        : "Unbekannte Statistik \"" + words[0] + "\"") +
                         ". Gültig sind: " + kind_list() + ".");
    const GameParams& p = ctx.session.params;
    const DrawSource source(ctx.session.archive, p);
    const DrawRange r = chosen_range(ctx, source);
    if (ctx.args.flag("--csv")) return write_csv(ctx, kind, r, source);
    const int n = p.highest_number;
    StatTables t;

    auto extra = [&](const NumberTable& table) {
        if (p.german_lotto) return super_numbers(table);
        return numbers_of(table, n);
    };
    if (kind == "frequency" || kind == "gaps" || kind == "extra-frequency" || kind == "extra-gaps") {
        compute_frequencies(source, r, t);
        compute_gaps(source, r.last, t);
        const bool gaps = kind.find("gaps") != std::string::npos;
        Values v;
        if (kind.rfind("extra", 0) != 0)
            v = numbers_of(gaps ? t.main_gap : t.main_frequency, n);
        else if (p.swiss)  // the Swiss extra number of today is the Glückszahl
            v = lucky_numbers(gaps ? t.main_gap : t.main_frequency);
        else
            v = extra(gaps ? t.extra_gap : t.extra_frequency);
        print_values(ctx, kind, r, v);
    } else if (kind == "plus-frequency" || kind == "plus-gaps") {
        require_austria(ctx);
        compute_plus_frequencies(source, r, t);
        compute_plus_gaps(source, r.last, t);
        print_values(ctx, kind, r, numbers_of(kind == "plus-gaps" ? t.plus_gap : t.plus_frequency, n));
    } else if (kind == "twins" || kind == "twin-gaps" || kind == "triplets" || kind == "triplet-gaps") {
        const RunKind run = kind.rfind("twin", 0) == 0 ? RunKind::kTwin : RunKind::kTriplet;
        NumberTable values{};
        if (kind.find("gaps") != std::string::npos)
            run_gaps(source, r.last, run, false, values);
        else
            count_runs(source, r, run, false, values);
        print_values(ctx, kind, r, numbers_of(values, run_columns(run, n)));
    } else if (kind == "chance") {
        print_chance(ctx, r, source, t);
    } else if (kind == "even-odd" || kind == "low-high") {
        const Histogram h = kind == "even-odd" ? count_even_odd(source, r) : count_low_high(source, r);
        print_histogram(ctx, kind, r, h, expected_counts(h, p.even_distribution));
    } else if (kind == "probability") {
        compute_frequencies(source, r, t);
        compute_gaps(source, r.last, t);
        const ProbabilityView v = make_probability_view(t.main_frequency, t.main_gap, n, p.swiss, {});
        if (ctx.options.json) {
            print(ctx.out, {{"kind", kind}, {"range", {r.first, r.last}}, {"mean", number(v.mean)},
                            {"sd", number(v.sd)}, {"mean_gap", number(v.mean_gap)}});
        } else {
            ctx.out << "Ziehungen " << r.first << ".." << r.last << ": mittlere Häufigkeit " << decimal_text(v.mean, 1)
                    << ", Standardabweichung " << decimal_text(v.sd, 1) << ", mittlerer Rückstand "
                    << decimal_text(v.mean_gap, 2) << "\n";
        }
    } else {
        combination_stats(ctx, kind, r, source);
    }
    return 0;
}

}  // namespace zw::cli
