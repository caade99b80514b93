// Texts of the comparison window, the prize distribution and its print.
#include <cstdio>

#include "cardindex/card_list_format.h"
#include "cardindex/comparison.h"
#include "evaluation/evaluation_format.h"

namespace zw {
namespace {

// Tables below are in rule-set order (rule_set_index): German Lotto, Toto, Austria, Switzerland.
constexpr std::array<std::string_view, 4> kNormalHeader = {
    "6+S  6  5+S  5  4+S  4  3+S   3   2+S R.",
    "  6      5+    5      4      3+     3 Richtige",
    "6    5+   5    4+   4     3+    3    ZZ    6   5   4   3",
    "6+G  6  5+G  5   4+G   4   3+G   3 Ri."};
constexpr std::array<std::string_view, 4> kSystemHeader = {
    " 6+S  6  5+S  5   4+S   4     3+S     3      2+S",
    " 6       5+     5       4       3+     3 Richtige",
    "  6       5+     5       4+     4       3+     3     ZZ      6     5     4     3",
    "6+G  6  5+G  5   4+G   4    3+G    3 Richtige"};
constexpr std::array<std::string_view, 4> kPrintHeader = {
    " Nr. 6+S  6  5+S  5   4+S   4    3+S    3    2+S R. Einsatz   ~ Gewinn    Spiel 77    Super 6",
    " Nr.  6   5+  5   4   3+  3 R.  Einsatz    ~ Gewinn   Spiel 77    Super 6",
    " Nr.  6  5+ 5   4+  4   3+   3   ZZ   P6 P5 P4 P3    Einsatz    ~ Gewinn       JOKER",
    " Nr.  6+G  6  5+G  5   4+G   4    3+G    3 R. Einsatz    ~ Gewinn       JOKER"};

std::string right(int64_t value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*lld", width, static_cast<long long>(value));
    return buf;
}

}  // namespace

std::vector<HeaderToken> header_tokens(std::string_view s) {
    std::vector<HeaderToken> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const size_t start = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i > start) out.push_back({start, s.substr(start, i - start)});
    }
    return out;
}

std::string_view comparison_title(CardKind kind) {
    return kind == CardKind::Normal ? "VERGLEICH: NRM-Scheine" : "VERGLEICH: SYS-Scheine";
}

std::string_view class_header(GameCode game, CardKind kind) {
    return (kind == CardKind::Normal ? kNormalHeader : kSystemHeader)[rule_set_index(game)];
}

std::string_view side_label(GameCode game, CardKind kind) {
    if (game == kAustria || game == kSwiss) return "Gewinn aus der JOKER-Lotterie:";
    return kind == CardKind::Normal ? "Gewinn aus Spiel 77 && Super 6:" : "Gewinn aus Spiel 77 und Super 6:";
}

std::vector<int64_t> shown_totals(GameCode game, const Comparison& c) {
    std::vector<int64_t> out;
    for (int k : shown_classes(game))
        out.push_back(k <= kClassCount ? c.classes[static_cast<size_t>(k)] : c.plus[static_cast<size_t>(k - kClassCount)]);
    return out;
}

std::string money_text(int64_t hundredths) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%11s", cents_text(hundredths).c_str());
    return buf;
}

std::string empty_index_message(CardKind kind) {
    return std::string("Es befinden sich noch keine Scheine in der ") + (kind == CardKind::Normal ? "NRM" : "SYS") +
           "-Kartei!|Ein Vergleich kann deshalb nicht durchgeführt werden!";
}

std::string distribution_caption(const Comparison& c) { return "Gewinn-Verteilung für den " + c.date; }

std::vector<std::string> distribution_columns(GameCode game) {
    switch (rule_set_for(game)) {
        case RuleSet::Austria:
            return {" Nr.", "6er", " 5+", "5er", " 4+", "4er", " 3+", "3er", " ZZ", "P6", "P5", "P4", "P3",
                    "Einsatz", "~ Gewinn EUR", "JOKER "};
        case RuleSet::Swiss:
            return {" Nr.", "6+G", "6er", "5+G", "5er", "4+G", "4er", "3+G", "3er", "Einsatz CHF", "~ Gewinn CHF", "JOKER "};
        case RuleSet::Toto:
            return {" Nr.", "6er", "5+Z.", "5er", " 4er", "3+Z.", " 3er", "Einsatz EUR", "~ Gewinn EUR", "Spiel 77 EUR",
                    "Super 6 EUR"};
        case RuleSet::German:
            break;
    }
    return {" Nr.", "6+S", " 6er", "5+S", " 5er", "4+S", " 4er", "3+S", " 3er", "2+S", "Einsatz", "~ Gewinn EUR",
            "Spiel 77 EUR", "Super 6 EUR"};
}

std::vector<std::string> distribution_cells(GameCode game, const ComparedTicket& t) {
    std::vector<std::string> cells{right(t.ticket, 4)};
    for (int64_t v : shown_counts(game, t.counts)) cells.push_back(right(v, 3));
    cells.push_back(cents_text(t.stake));
    cells.push_back(tenths_text(t.winnings));
    if (game == kAustria || game == kSwiss) {
        cells.push_back(tenths_text(t.joker));
    } else {
        cells.push_back(tenths_text(t.spiel77));
        cells.push_back(tenths_text(t.super6));
    }
    return cells;
}

std::string distribution_line(GameCode game, const ComparedTicket& t) {
    std::string line;
    for (const std::string& cell : distribution_cells(game, t)) line += (line.empty() ? "" : ";") + cell;
    return line;
}

std::string_view distribution_print_header(GameCode game) { return kPrintHeader[rule_set_index(game)]; }

std::string distribution_print_line(GameCode game, const ComparedTicket& t) {
    const std::string_view header = distribution_print_header(game);
    const std::vector<HeaderToken> names = header_tokens(header);
    const std::vector<int64_t> counts = shown_counts(game, t.counts);
    AlignedLine a(header);
    a.under(names[0].text, right(t.ticket, 4));
    for (size_t i = 0; i < counts.size() && i + 1 < names.size(); ++i) a.under(names[i + 1].text, std::to_string(counts[i]));
    bool super = false;
    for (size_t i = counts.size() + 1; i < names.size(); ++i) {
        const std::string_view n = names[i].text;
        if (n == "R.") a.under(n, std::to_string(t.rows));
        else if (n == "Einsatz") a.under(n, cents_text(t.stake));
        else if (n == "Gewinn") a.under(n, tenths_text(t.winnings));
        else if (n == "77") a.under(n, tenths_text(t.spiel77));
        else if (n == "Super") super = true;
        else if (n == "6" && super) a.under(n, tenths_text(t.super6));
        else if (n == "JOKER") a.under(n, tenths_text(t.joker));
    }
    return a.text();
}

std::vector<std::string> comparison_lines(const Comparison& c, GameCode game, CardKind kind, std::string_view currency) {
    const std::string cur(currency);
    std::vector<std::string> out;
    out.emplace_back(comparison_title(kind));
    out.push_back("Vergleich mit der Ziehung vom: " + c.date + "  (Ziehung " + std::to_string(c.draw) + ")");
    out.push_back("Scheine: " + std::to_string(c.tickets));
    const std::string_view header = class_header(game, kind);
    out.emplace_back(header);
    AlignedLine counts(header);
    const std::vector<HeaderToken> names = header_tokens(header);
    const std::vector<int64_t> totals = shown_totals(game, c);
    for (size_t i = 0; i < totals.size() && i < names.size(); ++i) counts.under(names[i].text, std::to_string(totals[i]));
    out.push_back(counts.text());
    out.push_back("Einsatz: " + money_text(c.stake) + " " + cur + "  Gewinn: ~" + money_text(c.winnings * 10) + " " + cur);
    std::string side(side_label(game, kind));
    if (const size_t amp = side.find("&&"); amp != std::string::npos) side.erase(amp, 1);
    out.push_back(side + money_text(c.side_winnings * 10) + " " + cur);
    for (const std::string& p : c.problems) out.push_back(p);
    out.emplace_back();
    out.push_back(distribution_caption(c));
    out.emplace_back(distribution_print_header(game));
    for (const ComparedTicket& t : c.winners) out.push_back(distribution_print_line(game, t));
    return out;
}

}  // namespace zw
