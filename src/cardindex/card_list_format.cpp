#include "cardindex/card_list_format.h"

#include <algorithm>
#include <cstdio>

#include "base/decimal.h"
#include "evaluation/evaluation_format.h"
#include "evaluation/win_classes.h"

namespace zw {
namespace {

// Tables below are in rule-set order (rule_set_index): German Lotto, Toto, Austria, Switzerland.
constexpr std::array<std::string_view, 4> kNormalList = {
    " Nr.   Datum     Zieh. 6+S  6  5+S  5  4+S  4  3+S  3  2+S  R.  AK  LAX  Gewinn EUR  Einsatz EUR    Total EUR",
    " Nr.   Datum    Ziehung  6   5+  5   4   3+  3     R.   AK    TAX     Gewinn EUR    Einsatz EUR     Total EUR",
    " Nr.   Datum     Zieh. 6  5+ 5  4+ 4  3+ 3 ZZ P6 P5 P4 P3 R.  AK   LAX    Gewinn EUR Einsatz EUR   Total EUR",
    " Nr.   Datum    Ziehung  6+G  6  5+G  5  4+G  4  3+G   3   R.  AK  LAX  Gewinn CHF  Einsatz CHF    Total CHF"};
constexpr std::array<std::string_view, 4> kSystemList = {
    " Nr.   Datum    Zieh. 6+S 6 5+S 5  4+S   4   3+S   3   2+S  Ri. AK   LAX  Gewinn EUR  Einsatz EUR   Total EUR",
    " Nr.   Datum    Ziehung  6   5+   5    4    3+    3     R.  AK   TAX    Gewinn EUR   Einsatz EUR    Total EUR",
    " Nr.   Datum    Zieh  6  5+ 5   4+  4   3+  3  ZZ P6 P5 P4 P3  R.   LAX    Gewinn EUR  Einsatz EUR   Total EUR",
    " Nr.   Datum    Zieh. 6+G  6  5+G  5   4+G   4   3+G   3   Ri.  AK  LAX  Gewinn CHF  Einsatz CHF   Total CHF"};
constexpr std::array<std::string_view, 4> kNormalPrint = {
    " Nr. Datum   Zieh.6+S 6 5+S 5 4+S 4 3+S  3  2+S R. AK  LAX     Gewinn  Einsatz    Total EUR",
    " Nr. Datum   Zieh. 6  5+ 5  4  3+ 3  R. AK  TAX     Gewinn  Einsatz   Total EUR",
    " Nr. Datum   Zieh 6  5+ 5  4+ 4  3+ 3  ZZ P6 P5 P4 P3 R. AK  LAX     Gewinn  Einsatz   Total EUR",
    " Nr. Datum   Zieh.6+G 6 5+G 5 4+G 4 3+G  3  R. AK  LAX     Gewinn  Einsatz    Total CHF"};
constexpr std::array<std::string_view, 4> kSystemPrint = {
    " Nr. Datum   Zieh.6+S 6 5+S 5  4+S  4   3+S   3   2+S R. AK  LAX    Gewinn  Einsatz    Total EUR",
    " Nr. Datum   Zieh.6 5+ 5   4   3+    3    R. AK  TAX    Gewinn  Einsatz    Total EUR",
    " Nr. Datum   Zieh 6 5+5  4+  4   3+   3   ZZ P6 P5 P4 P3  R.  LAX    Gewinn  Einsatz   Total EUR",
    " Nr. Datum   Zieh.6+G 6 5+G 5  4+G  4   3+G   3    R. AK  LAX    Gewinn  Einsatz    Total CHF"};
constexpr std::array<std::string_view, 4> kNormalCounts = {
    "Auswertung:  6+S  6  5+S  5  4+S  4  3+S  3  2+S  R.",
    "Auswertung:    6     5+   5     4     3+   3    Richtige",
    "Ausw.:   6    5+  5    4+  4    3+  3  ZZ   P6  P5  P4  P3",
    "Auswertung:  6+G  6  5+G  5   4+G  4   3+G   3 Ri."};
constexpr std::array<std::string_view, 4> kSystemCounts = {
    "Reihe  SYS     6+S    6   5+S   5     4+S    4    3+S    3     2+S",
    "Reihe  SYS       6      5+    5      4      3+    3 Richtige",
    "Reihe  SYS       6      5+    5      4+    4      3+    3    ZZ    P6    P5    P4    P3",
    "Reihe  SYS     6+G   6   5+G   5   4+G   4    3+G    3 Richtige"};

// A column of a header: first and last character position.
struct Column {
    size_t begin, end;
};

std::vector<Column> header_columns(std::string_view h) {
    std::vector<Column> cols;
    size_t i = 0;
    while (i < h.size()) {
        if (h[i] == ' ') {
            ++i;
            continue;
        }
        size_t j = i;
        // A token ends at a blank, after a '.' glued to the next token
        // ("Zieh.6+S"), or after a '+' followed by a digit ("5+5").
        while (j < h.size() && h[j] != ' ') {
            if (j > i && ((h[j - 1] == '.' && h[j] != '.') || (h[j - 1] == '+' && h[j] >= '0' && h[j] <= '9'))) break;
            ++j;
        }
        const std::string_view token = h.substr(i, j - i);
        if ((token == "EUR" || token == "CHF") && !cols.empty()) cols.back().end = j - 1;
        else cols.push_back({i, j - 1});
        i = j;
    }
    return cols;
}

}  // namespace

std::string_view list_title(CardKind kind) {
    return kind == CardKind::Normal ? "Kartei für alle getippten NORMAL-Scheine" : "Kartei für alle getippten SYSTEM-Scheine";
}
std::string_view card_title(CardKind kind) {
    return kind == CardKind::Normal ? "KARTEIKARTE: Normal-Scheine" : "KARTEIKARTE: System-Scheine";
}
std::string_view list_header(GameCode game, CardKind kind) {
    return (kind == CardKind::Normal ? kNormalList : kSystemList)[rule_set_index(game)];
}
std::string_view print_header(GameCode game, CardKind kind) {
    return (kind == CardKind::Normal ? kNormalPrint : kSystemPrint)[rule_set_index(game)];
}
std::string_view card_counts_header(GameCode game, CardKind kind) {
    return (kind == CardKind::Normal ? kNormalCounts : kSystemCounts)[rule_set_index(game)];
}

std::string align_to_header(std::string_view header, const std::vector<LineCell>& cells) {
    const std::vector<Column> cols = header_columns(header);
    std::string line;
    for (size_t c = 0; c < cells.size() && c < cols.size(); ++c) {
        const std::string& t = cells[c].text;
        size_t start = cells[c].left ? cols[c].begin : (cols[c].end + 1 >= t.size() ? cols[c].end + 1 - t.size() : 0);
        // Keep one blank after what is already written.
        if (!line.empty() && start < line.size() + 1) start = line.size() + 1;
        if (line.size() < start) line.append(start - line.size(), ' ');
        line += t;
    }
    return line;
}

std::string lax_text(int16_t lax100) {
    return decimal_text(lax100 / 100.0, 1);
}

std::vector<int> shown_classes(GameCode game) {
    switch (rule_set_for(game)) {
        case RuleSet::Toto:
            return {2, 3, 4, 6, 7, 8};
        case RuleSet::Austria:
            return {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        case RuleSet::Swiss:
            return {1, 2, 3, 4, 5, 6, 7, 8};
        case RuleSet::German:
            break;
    }
    return {1, 2, 3, 4, 5, 6, 7, 8, 9};
}

std::vector<int64_t> shown_counts(GameCode game, const WinCounts& c) {
    std::vector<int64_t> out;
    for (int k : shown_classes(game))
        out.push_back(k <= kClassCount ? c.cls[static_cast<size_t>(k)] : c.plus[static_cast<size_t>(k - kClassCount)]);
    return out;
}

std::string card_line(GameCode game, CardKind kind, int number, const CardTicket& t, const TicketEvaluation& ev,
                      bool print) {
    std::vector<LineCell> cells;
    // The protection mark follows the ticket number; '\x01' keeps it one column wide until the end.
    cells.push_back({std::to_string(number)});
    cells.push_back({ev.first_date.size() == 10 ? ev.first_date.substr(0, 6) + ev.first_date.substr(8) : "--.--.--", true});
    cells.push_back({std::to_string(t.first_draw)});
    for (int64_t v : shown_counts(game, ev.counts)) cells.push_back({std::to_string(v)});
    cells.push_back({std::to_string(ev.rows)});
    if (!(kind == CardKind::System && game == kAustria)) cells.push_back({std::to_string(ev.crossed)});
    cells.push_back({lax_text(ev.running_lax)});
    cells.push_back({cents_text(t.winnings)});
    cells.push_back({cents_text(t.stake)});
    cells.push_back({cents_text(ev.running_total)});
    std::string line = align_to_header(print ? print_header(game, kind) : list_header(game, kind), cells);
    // The mark sits right after the number column.
    const std::vector<Column> cols = header_columns(print ? print_header(game, kind) : list_header(game, kind));
    const size_t mark = cols[0].end + 1;
    if (t.protected_card && line.size() > mark && line[mark] == ' ') line.replace(mark, 1, "©");
    return line;
}

std::optional<CardSort> card_sort_named(std::string_view name) {
    if (name == "number") return CardSort::Number;
    if (name == "first") return CardSort::FirstDraw;
    if (name == "stake") return CardSort::Stake;
    if (name == "winnings") return CardSort::Winnings;
    if (name == "total") return CardSort::Total;
    return std::nullopt;
}

std::vector<int> card_order(const CardIndex& index, const std::vector<TicketEvaluation>& evaluations, CardSort sort,
                            std::optional<int> draw) {
    std::vector<int> order;
    for (int i = 0; i < index.count() && i < static_cast<int>(evaluations.size()); ++i) {
        const std::vector<int>& played = evaluations[static_cast<size_t>(i)].played;
        if (!draw || std::find(played.begin(), played.end(), *draw) != played.end()) order.push_back(i);
    }
    const auto key = [&](int i) -> int64_t {
        const CardTicket& t = index.at(i);
        switch (sort) {
            case CardSort::FirstDraw: return t.first_draw;
            case CardSort::Stake: return t.stake;
            case CardSort::Winnings: return t.winnings;
            case CardSort::Total: return int64_t{t.winnings} - t.stake;
            case CardSort::Number: break;
        }
        return i;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

}  // namespace zw
