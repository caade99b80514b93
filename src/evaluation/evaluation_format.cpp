#include "evaluation/evaluation_format.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/decimal.h"

namespace zw {
namespace {

constexpr std::string_view kRowHeaders[4] = {
    "Reihe     Tipp-Zahlen      6+S 6 5+S  5  4+S  4  3+S   3  2+S    ~  Gewinn       LAX",
    "Reihe     Tipp-Zahlen        I.   II.  III. IV.   V.   VI.     ~  Gewinn         TAX",
    "Reihe     Tipp-Zahlen       6  5+ 5   4+  4   3+   3    ZZ   6  5  4  3      ~  Gewinn        LAX     PAX",
    "Reihe     Tipp-Zahlen      6+G  6  5+G  5   4+G   4   3+G   3    ~  Gewinn       LAX",
};
constexpr std::string_view kSystemHeaders[4] = {
    "Reihe System   Einsatz EUR  6+S 6 5+S  5  4+S    4    3+S     3     2+S   ~ Gewinn EUR   LAX",
    "Reihe System   Einsatz EUR     I.   II.  III.    IV.     V.     VI.   ~ Gewinn EUR   TAX",
    "Reihe System   Einsatz EUR    6   5+  5   4+   4     3+    3     ZZ   6  5   4    3    ~ Gewinn EUR   LAX    PAX",
    "Reihe System   Einsatz CHF  6+G   6   5+G    5    4+G    4    3+G     3   ~ Gewinn CHF   LAX",
};
constexpr std::string_view kReviewHeaders[4] = {
    "R.    DATUM    6+S 6 5+S  5  4+S   4  3+S   3  2+S",
    "R.    DATUM     6     5+    5     4     3+     3",
    "R.    DATUM    6  5+ 5   4+  4    3+     3     ZZ   P6  P5  P4  P3",
    "R.    DATUM    6+G  6  5+G  5  4+G   4   3+G   3",
};
// Review header of rows: the lines are "date  class .REIHE: r  Treffer h".
constexpr std::string_view kRowReviewHeader = "   DATUM       Rang";

struct Column {
    int win_class;  // 1..9, 10..13 = LottoPlus P6..P3
    std::string_view token;
};
using Columns = std::vector<Column>;

size_t index_of(RuleSet r) { return static_cast<size_t>(r); }

// Class columns of the result table in header order.
Columns table_columns(RuleSet rules) {
    switch (rules) {
        case RuleSet::German:
            return {{1, "6+S"}, {2, "6"}, {3, "5+S"}, {4, "5"}, {5, "4+S"}, {6, "4"}, {7, "3+S"}, {8, "3"}, {9, "2+S"}};
        case RuleSet::Swiss:
            return {{1, "6+G"}, {2, "6"}, {3, "5+G"}, {4, "5"}, {5, "4+G"}, {6, "4"}, {7, "3+G"}, {8, "3"}};
        case RuleSet::Toto:
            return {{2, "I."}, {3, "II."}, {4, "III."}, {6, "IV."}, {7, "V."}, {8, "VI."}};
        case RuleSet::Austria:
            return {{2, "6"}, {3, "5+"}, {4, "5"}, {5, "4+"}, {6, "4"}, {7, "3+"}, {8, "3"}, {9, "ZZ"},
                    {10, "6"}, {11, "5"}, {12, "4"}, {13, "3"}};
    }
    return {};
}

Columns review_columns(RuleSet rules) {
    switch (rules) {
        case RuleSet::Toto: return {{2, "6"}, {3, "5+"}, {4, "5"}, {6, "4"}, {7, "3+"}, {8, "3"}};
        case RuleSet::Austria:
            return {{2, "6"}, {3, "5+"}, {4, "5"}, {5, "4+"}, {6, "4"}, {7, "3+"}, {8, "3"}, {9, "ZZ"},
                    {10, "P6"}, {11, "P5"}, {12, "P4"}, {13, "P3"}};
        default: return table_columns(rules);
    }
}

int32_t count_of(const WinCounts& c, int win_class) {
    return win_class <= kClassCount ? c.cls[static_cast<size_t>(win_class)]
                                    : c.plus[static_cast<size_t>(win_class - kClassCount)];
}

std::string_view luck_token(RuleSet rules) { return rules == RuleSet::Toto ? "TAX" : "LAX"; }

std::string numbers_text(const std::vector<uint8_t>& numbers) {
    std::string out;
    for (uint8_t n : numbers) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%s%2d", out.empty() ? "" : " ", n);
        out += buf;
    }
    return out;
}

const TicketLine* find_line(const std::vector<TicketLine>& lines, int number) {
    for (const TicketLine& l : lines)
        if (l.number == number) return &l;
    return nullptr;
}

std::string system_label(const TicketLine& line) {
    if (line.kind == LineKind::FullSystem) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%3d", static_cast<int>(line.numbers.size()));
        return buf;
    }
    if (!line.label.empty()) return line.label;
    if (line.partial_index >= 0 && line.partial_index < kPartialSystemCount)
        return std::string(kPartialSystems[static_cast<size_t>(line.partial_index)].name);
    return "?";
}

}  // namespace

AlignedLine::AlignedLine(std::string_view header) {
    size_t i = 0;
    while (i < header.size()) {
        while (i < header.size() && header[i] == ' ') ++i;
        const size_t start = i;
        while (i < header.size() && header[i] != ' ') ++i;
        if (i > start) tokens_.push_back({start, header.substr(start, i - start)});
    }
}

void AlignedLine::place(size_t start, std::string_view value) {
    if (!text_.empty() && start < text_.size() + 1) start = text_.size() + 1;
    text_.resize(std::max(text_.size(), start), ' ');
    text_ += value;
}

AlignedLine& AlignedLine::under(std::string_view token, std::string_view value) {
    while (next_ < tokens_.size() && tokens_[next_].text != token) ++next_;
    if (next_ >= tokens_.size()) return *this;
    const Token& t = tokens_[next_++];
    if (value.empty()) return *this;
    const size_t end = t.start + t.text.size();
    place(end >= value.size() ? end - value.size() : 0, value);
    return *this;
}

AlignedLine& AlignedLine::at(size_t column, std::string_view value) {
    place(column, value);
    return *this;
}

std::string_view table_header(RuleSet rules, bool systems) {
    return systems ? kSystemHeaders[index_of(rules)] : kRowHeaders[index_of(rules)];
}

std::string_view review_header(RuleSet rules, bool systems) {
    return systems ? kReviewHeaders[index_of(rules)] : kRowReviewHeader;
}

std::string cents_text(int64_t cents) {
    const bool negative = cents < 0;
    const int64_t v = negative ? -cents : cents;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%lld.%02lld", negative ? "-" : "", static_cast<long long>(v / 100),
                  static_cast<long long>(v % 100));
    return buf;
}

// Tenths are shown like cents: 1234 tenths read "123.40".
std::string tenths_text(int64_t tenths) { return cents_text(tenths * 10); }

std::string index_text(double value) {
    return decimal_text(value, 2);
}

std::string_view review_class_label(RuleSet rules, int win_class) {
    static constexpr std::string_view german[] = {"", "6S ", "6 ", "5S ", "5 ", "4S ", "4 ", "3S ", "3 ", "2S "};
    static constexpr std::string_view swiss[] = {"", "6G ", "6 ", "5G ", "5 ", "4G ", "4 ", "3G ", "3 ", ""};
    static constexpr std::string_view zusatz[] = {"", "", "6 ", "5+", "5 ", "4+", "4 ", "3+", "3 ", "ZZ"};
    static constexpr std::string_view plus[] = {"P6 ", "P5 ", "P4 ", "P3 "};
    if (win_class > kClassCount && win_class <= kClassCount + kPlusClassCount)
        return plus[win_class - kClassCount - 1];
    if (win_class < 1 || win_class > kClassCount) return "";
    switch (rules) {
        case RuleSet::German: return german[win_class];
        case RuleSet::Swiss: return swiss[win_class];
        default: return zusatz[win_class];
    }
}

std::string result_line(const LineResult& r, RuleSet rules, int super_number,
                        std::string_view currency) {
    const bool system = r.line.is_system();
    AlignedLine a(table_header(rules, system));
    a.under("Reihe", std::to_string(r.line.number));
    if (!system) {
        a.at(7, numbers_text(r.line.numbers));
        if (rules == RuleSet::German && super_number >= 0) a.at(25, std::to_string(super_number));
        if (rules == RuleSet::Swiss && r.line.lucky > 0) a.at(25, std::to_string(r.line.lucky));
    } else {
        a.at(7, system_label(r.line));
        a.under(currency, cents_text(r.stake_per_draw));
    }
    for (const Column& c : table_columns(rules)) a.under(c.token, std::to_string(count_of(r.counts, c.win_class)));
    a.under("Gewinn", system ? "" : tenths_text(r.winnings));
    if (system) a.under(currency, tenths_text(r.winnings));
    a.under(luck_token(rules), index_text(r.lax));
    if (rules == RuleSet::Austria) a.under("PAX", index_text(r.pax));
    return a.text();
}

std::vector<std::string> total_lines(const EvaluationReport& report, bool systems,
                                     std::string_view currency) {
    AlignedLine a(table_header(report.rules, systems));
    a.at(0, "Summe / Mittelwert:");
    a.under("Gewinn", systems ? "" : tenths_text(report.total_winnings));
    if (systems) a.under(currency, tenths_text(report.total_winnings));
    a.under(luck_token(report.rules), index_text(report.mean_lax()));
    if (report.rules == RuleSet::Austria) a.under("PAX", index_text(report.mean_pax()));
    return {a.text(), "Gesamt-Einsatz: " + cents_text(report.total_stake) + " " + std::string(currency)};
}

std::vector<std::string> review_lines(const EvaluationReport& report, const EvaluationTicket& ticket,
                                      const EvaluationInputs& in) {
    std::vector<std::string> out;
    out.reserve(report.win_list.size());
    const RuleSet rules = report.rules;
    for (const WinEntry& e : report.win_list) {
        const std::string date = eval_draw_date(in.archive, in.params, e.draw);
        if (!e.system) {
            const bool plus = e.line > kLottoPlusRowOffset;
            const int number = plus ? e.line - kLottoPlusRowOffset : e.line;
            const TicketLine* row = find_line(ticket.rows, number);
            if (!row) continue;
            const RowMatch m = review_row(*row, e.draw, ticket, in);
            const int cls = plus ? kClassCount + m.plus_class : m.win_class;
            std::string label(review_class_label(rules, cls));
            label.resize(3, ' ');
            char buf[96];
            std::snprintf(buf, sizeof buf, "   %s  %s .REIHE: %2d  Treffer %d", date.c_str(), label.c_str(),
                          number, plus ? m.plus_hits : m.hits);
            out.emplace_back(buf);
            continue;
        }
        const TicketLine* field = find_line(ticket.systems, e.line);
        if (!field) continue;
        const WinCounts counts = review_system(*field, e.draw, ticket, in);
        AlignedLine a(review_header(rules, true));
        a.under("R.", std::to_string(e.line));
        a.at(3, date);
        for (const Column& c : review_columns(rules)) a.under(c.token, std::to_string(count_of(counts, c.win_class)));
        out.push_back(a.text());
    }
    return out;
}

std::string side_game_title(SideGame game) {
    switch (game) {
        case SideGame::Spiel77: return "Auswertung: Spiel 77";
        case SideGame::Super6: return "Auswertung: Super 6";
        case SideGame::Joker: return "Auswertung: JOKER";
    }
    return {};
}

std::vector<std::string> side_game_lines(SideGame game, const DigitCounts& counts,
                                         const SideGameTicket& ticket, bool swiss) {
    std::vector<std::string> out;
    int top = 6, bottom = 1;
    if (game == SideGame::Spiel77) {
        top = 7;
        out.push_back("Los-Nummer: " + with_leading_zeros(ticket.lottery_number, 7));
    } else if (game == SideGame::Super6) {
        out.push_back("Los-Nummer: " + with_leading_zeros(ticket.lottery_number, 7));
    } else if (swiss) {
        bottom = 2;  // one matching digit pays nothing in the Swiss Joker
        out.push_back("Joker-Nr. " + with_leading_zeros(ticket.lottery_number, 6));
    } else {
        std::string line = "Joker-Nr. ";
        int on_line = 0;
        for (int32_t j : ticket.jokers) {
            if (j < 0) continue;
            if (on_line == 5) {
                out.push_back(line);
                line = std::string(10, ' ');
                on_line = 0;
            }
            if (on_line) line += ' ';
            line += with_leading_zeros(j, 6);
            ++on_line;
        }
        out.push_back(line);
    }
    out.emplace_back();
    out.emplace_back("  richtige      Anzahl");
    out.emplace_back("Endziffern     Treffer");
    for (int k = top; k >= bottom; --k) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%6d      %8d", k, counts[static_cast<size_t>(k)]);
        out.emplace_back(buf);
    }
    return out;
}

}  // namespace zw

namespace zw {

std::string table_caption(RuleSet rules, bool systems) {
    std::string out;
    if (!systems && (rules == RuleSet::German || rules == RuleSet::Swiss))
        out = std::string(25, ' ') + (rules == RuleSet::German ? "S" : "G");
    if (rules == RuleSet::Austria) {
        // Over the four LottoPlus columns, which follow the ZZ column.
        const std::string_view header = table_header(rules, systems);
        const size_t zz = header.find("ZZ");
        const size_t first = header.find_first_not_of(' ', zz + 2);
        const std::string_view caption = "LottoPlus";
        out = std::string(first > 2 ? first - 2 : 0, ' ') + std::string(caption);
    }
    return out;
}

}  // namespace zw
