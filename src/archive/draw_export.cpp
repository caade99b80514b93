#include "archive/draw_export.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "archive/calendar.h"
#include "archive/draw_numbering.h"
#include "games/draw_rules.h"

namespace zw {
namespace {

std::string right(long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*ld", width, value);
    return buf;
}

// One draw as the exports see it: a regular draw or an Austrian bonus draw.
struct ExportRow {
    int draw = 0;  // regular draw number; 0 for a bonus draw
    std::string date, short_date, prefix;
    std::array<int, 6> numbers{};
    int extra = 0;       // as shown: a stored Superzahl 10 reads 0
    int stored_extra = 0;  // byte 6 as stored (0 = not entered)
    bool lucky = false;  // byte 6 is the Swiss Glückszahl
    int plus = -1;       // Swiss plus number, -1 when not printed
};

std::string short_from_long(const std::string& date) {
    return date.size() == 10 ? date.substr(0, 6) + date.substr(8, 2) : date;
}

ExportRow regular_row(const GameParams& params, const DrawArchive& archive, int n) {
    ExportRow r;
    r.draw = n;
    const DrawDate d = draw_date(params.code, n);
    r.date = d.text;
    r.short_date = d.short_text;
    r.prefix = d.prefix;
    const Draw stored = archive.draw(n);
    for (int k = 0; k < 6; ++k) r.numbers[k] = stored.numbers[k];
    r.extra = displayed_extra(params, n, stored.extra);
    r.stored_extra = stored.extra;
    r.lucky = extra_is_lucky_number(params, n);
    if (params.swiss && n >= kSwissPlusFirst && n <= kSwissPlusLast) r.plus = stored.plus;
    return r;
}

// Austrian combined-view row numbered `draw` (1-based, the lottery's count).
ExportRow combined_row(const CombinedRow& c, int draw) {
    ExportRow r;
    r.draw = c.bonus ? 0 : draw;
    r.date = c.date;
    r.short_date = short_from_long(c.date);
    r.prefix = "  ";
    for (int k = 0; k < 6; ++k) r.numbers[k] = c.numbers[k];
    r.extra = r.stored_extra = c.numbers[6];
    return r;
}

// The rows of the range: regular draws, or for Austria the combined view
// (whose positions the Austrian draw range counts). Never beyond the archive.
std::vector<ExportRow> rows_of(const GameParams& params, const DrawArchive& archive, int first,
                               int last) {
    std::vector<ExportRow> rows;
    if (params.austria) {
        const auto& view = archive.combined();
        const int held = combined_rows(archive);
        for (int i = std::max(first, 1) - 1; i < held && i < last; ++i)
            rows.push_back(combined_row(view[static_cast<size_t>(i)], i + 1));
        return rows;
    }
    for (int n = std::max(first, 1); n <= std::min(last, archive.newest()); ++n)
        rows.push_back(regular_row(params, archive, n));
    return rows;
}

std::string all_draws_line(const ExportRow& r) {
    std::string s = r.draw > 0 ? "Ziehung" + right(r.draw, 5) : std::string("Bonusziehung");
    s += " vom " + r.date + r.prefix;
    for (int n : r.numbers) s += right(n, 3);
    s += " (";
    s += right(r.extra, 2);
    s += ")  ";
    if (r.plus >= 0) {
        s += '+';
        s += std::to_string(r.plus);
    }
    return s;
}

struct Parity {
    int even = 0, odd = 0;
    void add(int v) {
        if (v == 0) return;  // not entered
        (v % 2 == 0 ? even : odd) += 1;
    }
};

}  // namespace

std::string_view all_draws_file_name(GameCode game) {
    switch (game) {
        case kLottoWednesday: return "M_Lotto.Txt";
        case kToto: return "Toto.Txt";
        case kAustria: return "O_Lotto.Txt";
        case kLottoBoth: return "MS_Lotto.Txt";
        case kSwiss: return "Swiss.Txt";
        case kLottoSaturday: break;
    }
    return "Lotto.Txt";
}

std::string_view all_draws_heading(GameCode game) {
    switch (game) {
        case kLottoWednesday: return "ALLE ZIEHUNGEN DES LOTTO AM MITTWOCH:";
        case kToto: return "ALLE AUSSPIELUNGEN DER AUSWAHLWETTE:";
        case kAustria: return "ALLE ZIEHUNGEN DES ÖSTERREICHLOTTO 6 AUS 45:";
        case kLottoBoth: return "ALLE ZIEHUNGEN DES LOTTO AM SAMSTAG und MITTWOCH:";
        case kSwiss: return "ALLE ZIEHUNGEN DES SWISSLOTTO 6 AUS 42:";
        case kLottoSaturday: break;
    }
    return "ALLE ZIEHUNGEN DES LOTTO AM SAMSTAG:";
}

std::string_view last_draws_heading(GameCode game) {
    switch (game) {
        case kLottoWednesday: return "DIE LETZTEN 52 ZIEHUNGEN DES LOTTO AM MITTWOCH:";
        case kToto: return "DIE LETZTEN 52 AUSSPIELUNGEN DER AUSWAHLWETTE:";
        case kAustria: return "DIE LETZTEN 52 ZIEHUNGEN DES ÖSTERREICHLOTTO 6 AUS 45:";
        case kLottoBoth: return "DIE LETZTEN 52 ZIEHUNGEN DES LOTTO AM SAMSTAG und MITTWOCH:";
        case kSwiss: return "DIE LETZTEN 52 ZIEHUNGEN DES SWISSLOTTO 6 AUS 42:";
        case kLottoSaturday: break;
    }
    return "DIE LETZTEN 52 ZIEHUNGEN DES LOTTO AM SAMSTAG:";
}

std::string export_all_draws(const GameParams& params, const DrawArchive& archive,
                             const DrawRange& range) {
    std::string out(all_draws_heading(params.code));
    out += '\n';
    const auto rows = rows_of(params, archive, range.first, range.last);
    for (size_t i = 0; i < rows.size(); ++i) {
        out += all_draws_line(rows[i]);
        // The two Wednesday draws of one evening share a line.
        const bool pair_follows = params.code == kLottoWednesday && rows[i].prefix == "A " &&
                                  i + 1 < rows.size();
        if (!pair_follows) out += '\n';
    }
    return out;
}

DrawGrid last_draws_grid(const GameParams& params, const DrawArchive& archive,
                         const DrawRange& range, std::string_view empty_cell) {
    DrawGrid g;
    g.heading = std::string(last_draws_heading(params.code));
    const int last = std::min(range.last, numbered_newest(params, archive));
    const int first = std::max(1, last - (kGridExportDraws - 1));
    g.first_row = first;
    g.last_row = last;
    Parity numbers, extras;
    const std::string empty(empty_cell);
    for (const ExportRow& r : rows_of(params, archive, first, last)) {
        std::string s = r.short_date + ": |";
        const int cells = r.lucky ? 42 : 49;
        Parity line;
        for (int v = 1; v <= cells; ++v) {
            if (std::find(r.numbers.begin(), r.numbers.end(), v) != r.numbers.end())
                s += right(v, 2);
            else if (!r.lucky && v == r.stored_extra)
                s += "*" + std::to_string(v % 10);
            else
                s += empty;
            if (v % 7 == 0) s += '|';
        }
        if (r.lucky) {
            for (int v = 1; v <= 6; ++v)
                s += v == r.stored_extra ? "G" + std::to_string(v) : empty;
            s += "  |";
        }
        for (int v : r.numbers) line.add(v);
        s += right(line.even, 3) + "G" + std::to_string(line.odd) + "U";
        // A stored Superzahl 10 (shown 0) is even either way.
        s += r.stored_extra == 0 ? " " : (r.stored_extra % 2 == 0 ? "G" : "U");
        numbers.even += line.even;
        numbers.odd += line.odd;
        extras.add(r.stored_extra);
        g.lines.push_back(std::move(s));
    }
    g.numbers_summary = "Gewinn-Zahlen:" + right(numbers.even, 4) + " Gerade" +
                        right(numbers.odd, 6) + " Ungerade";
    g.extras_summary = "Zusatz-Zahlen:" + right(extras.even, 3) + " Gerade" + right(extras.odd, 5) +
                       " Ungerade";
    return g;
}

std::string export_last_draws_grid(const GameParams& params, const DrawArchive& archive,
                                   const DrawRange& range) {
    const DrawGrid g = last_draws_grid(params, archive, range);
    std::string out = g.heading + "\n\n";
    for (const auto& line : g.lines) out += line + '\n';
    out += g.numbers_summary + '\n';
    out += g.extras_summary + '\n';
    return out;
}

}  // namespace zw
