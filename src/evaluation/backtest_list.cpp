#include "evaluation/backtest_list.h"

#include <algorithm>
#include <cstdio>

#include "base/decimal.h"
#include "evaluation/evaluation_format.h"

namespace zw {
namespace {

constexpr int kGermanBacktestOdds = 54;
constexpr size_t kEvaluatedPrefix = 26;
constexpr size_t kTrailingBlanks = 61;

std::string right(const std::string& s, size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}
std::string right(int64_t v, size_t width) { return right(std::to_string(v), width); }

// A number in a text line brings its own leading blank ("folgender 12", "( 1 -6554" reads "( 1 - 6554").
std::string spaced(int64_t v) {
    std::string s = v < 0 ? "" : " ";
    s += std::to_string(v);
    return s;
}

RuleSet rules_of(const BacktestList& list) { return rule_set_for(list.game); }

int32_t c(const WinCounts& w, int k) { return w.cls[static_cast<size_t>(k)]; }

std::string class_columns(RuleSet rules, const WinCounts& w) {
    std::string out;
    switch (rules) {
        case RuleSet::German:
        case RuleSet::Swiss:
            out += right(c(w, 1) + c(w, 2), 8);
            out += right(c(w, 3) + c(w, 4), 12);
            out += right(c(w, 5) + c(w, 6), 12);
            out += right(c(w, 7) + c(w, 8), 12);
            break;
        case RuleSet::Austria:
            for (int k = 2; k <= 9; ++k) out += right(c(w, k), 4);
            break;
        case RuleSet::Toto:
            for (int k : {2, 3, 4, 6, 7, 8}) out += right(c(w, k), 4);
            break;
    }
    return out;
}

int64_t list_winnings(RuleSet rules, GameCode game, const WinCounts& w, const EvaluationInputs& in) {
    const MoneyTables& m = in.money;
    int64_t sum = 0;
    if (rules == RuleSet::German || rules == RuleSet::Swiss) {
        // Without super or lucky number every pair of classes pays the plain quota.
        for (int k : {2, 4, 6, 8}) sum += int64_t{c(w, k - 1) + c(w, k)} * m.quota_for(game, k);
        return sum;
    }
    for (int k = 2; k <= 8; ++k) sum += int64_t{c(w, k)} * m.quota_for(game, k);
    if (rules == RuleSet::Austria) sum += int64_t{c(w, 9)} * (m.fee(game, kRowStake) / 10);
    return sum;
}

std::string_view class_header(RuleSet rules) {
    switch (rules) {
        case RuleSet::Austria: return "6   5+  5   4+  4   3+  3  ZZ    ~ Gewinn";
        case RuleSet::Toto: return "6   5+  5   4   3+  3    ~ Gewinn";
        default: return "6 Treffer   5 Treffer   4 Treffer   3 Treffer    ~ Gewinn";
    }
}

std::string_view export_class_header(RuleSet rules) {
    switch (rules) {
        case RuleSet::Austria: return " 6   5+  5   4+  4   3+  3  ZZ R.   ~Gewinn";
        case RuleSet::Toto: return " 6   5+  5   4   3+  3 R.  ~Gewinn";
        default: return "6 Treffer   5 Treffer   4 Treffer   3 Treffer    ~ Gewinn";
    }
}

}  // namespace

int backtest_odds(const GameParams& params) {
    return params.german_lotto ? kGermanBacktestOdds : params.odds_constant;
}

double list_value(int score, int odds, int draws) {
    return draws > 0 ? static_cast<double>(score) * odds / draws : 0.0;
}

BacktestList make_list(ListKind kind, const NumberList& numbers, const std::vector<ListEntry>& entries,
                       const EvaluationInputs& in) {
    BacktestList list;
    list.kind = kind;
    list.game = in.params.code;
    list.currency = in.params.currency;
    list.numbers = numbers;
    list.first = in.range.first;
    list.last = in.range.last;
    list.draws = static_cast<int>(eval_draws(in.archive, in.params, in.range.first, in.range.last).size());
    list.odds = backtest_odds(in.params);
    list.entries = entries;
    return list;
}

void evaluate_list(BacktestList& list, const EvaluationInputs& in) {
    const RuleSet rules = rules_of(list);
    const auto draws = eval_draws(in.archive, in.params, list.first, list.last);
    list.counts.clear();
    list.winnings.clear();
    for (const ListEntry& e : list.entries) {
        TicketLine row;
        row.numbers.assign(e.numbers.begin(), e.numbers.end());
        const LineResult r = evaluate_line(row, rules, draws, TicketExtras{}, in);
        list.counts.push_back(r.counts);
        list.winnings.push_back(list_winnings(rules, list.game, r.counts, in));
    }
    list.evaluated = true;
}

std::string entry_text(const BacktestList& list, size_t i) {
    if (i >= list.entries.size()) return {};
    const ListEntry& e = list.entries[i];
    std::string text;
    for (uint8_t v : e.numbers) text += right(v, 3);
    text += decimal_text(list_value(e.score, list.odds, list.draws), 3, 7);
    if (!list.evaluated || i >= list.counts.size()) return text + std::string(kTrailingBlanks, ' ');
    text = (text + std::string(kTrailingBlanks, ' ')).substr(0, kEvaluatedPrefix);
    text += class_columns(rules_of(list), list.counts[i]);
    text += right(tenths_text(list.winnings[i]), 12) + " " + list.currency;
    return text;
}

std::vector<std::string> list_lines(const BacktestList& list) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < static_cast<size_t>(kListEntries); ++i)
        lines.push_back(right(static_cast<int64_t>(i + 1), 3) + ": " + entry_text(list, i));
    return lines;
}

std::string list_title(const BacktestList& list) {
    return std::string(list.kind == ListKind::Best ? "30 TOP-Reihen folgender" : "30 FLOP-Reihen folgender") +
           spaced(list.numbers.size()) + " Zahlen: Ziehungsrahmen (" + spaced(list.first) + " -" +
           spaced(list.last) + ")";
}

std::string list_column_header(const BacktestList& list) {
    const RuleSet rules = rules_of(list);
    return std::string(" Pos.    Zahlenreihe      LAX    ") + (rules == RuleSet::German || rules == RuleSet::Swiss ? "" : " ") +
           std::string(class_header(rules));
}

std::vector<std::string> number_list_lines(const NumberList& numbers) {
    std::vector<std::string> lines;
    std::string line;
    for (int i = 0; i < numbers.size(); ++i) {
        line += right(numbers.numbers[static_cast<size_t>(i)], 3);
        if (i < numbers.bankers) line += " *";
        if (i % 20 == 19) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string duration_text(double seconds) {
    const auto total = static_cast<int64_t>(std::max(0.0, seconds) + 0.5);
    char buf[96];
    std::snprintf(buf, sizeof buf, "%2lld Tage %2lld Std. %2lld Min. %2lld Sek.", static_cast<long long>(total / 86400),
                  static_cast<long long>(total % 86400 / 3600), static_cast<long long>(total % 3600 / 60),
                  static_cast<long long>(total % 60));
    return buf;
}

std::string export_list_text(const BacktestList& list) {
    const std::string eol = "\r\n";
    std::string out = list_title(list) + "     * = Bankzahl" + eol;
    for (const std::string& l : number_list_lines(list.numbers)) out += l + eol;
    out += " Pos.    Zahlenreihe      LAX    " + std::string(export_class_header(rules_of(list))) + eol;
    for (const std::string& l : list_lines(list)) out += l + eol;
    return out;
}

}  // namespace zw
