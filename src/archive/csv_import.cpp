#include "archive/csv_import.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "archive/bonus_editor.h"
#include "archive/calendar.h"
#include "archive/csv_sources.h"
#include "archive/draw_entry.h"
#include "archive/result_pages.h"

namespace zw {
namespace {

constexpr size_t kListedErrors = 20;

std::optional<int> to_int(const std::string& s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

// A message with its "|" line breaks as blanks, for one line of a list.
std::string plain_message(std::string s) {
    std::replace(s.begin(), s.end(), '|', ' ');
    return s;
}

std::string header_name(std::string s) {
    s = to_lower_ascii(s);
    if (s == "datum") return "date";
    if (s == "glueckszahl" || s == "glückszahl" || s == "gz") return "gluckszahl";
    if (s == "zz") return "zusatzzahl";
    if (s == "sz") return "superzahl";
    return s;
}

}  // namespace

Status parse_draws_csv(std::string_view text, const GameParams& params, CsvDraws& out) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    auto refuse = [](int line, const std::string& why) {
        return Status::failure("Die CSV-Datei ist fehlerhaft:|Zeile " + std::to_string(line) + ": " +
                               why + "|Es wurde nichts importiert.");
    };
    // The separator is the header's: a semicolon when it has one.
    size_t h = 0;
    while (h < text.size() && (text[h] == '\n' || text[h] == '\r' || text[h] == ' ' || text[h] == '\t')) ++h;
    const std::string_view header_line = text.substr(h, text.find('\n', h) == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : text.find('\n', h) - h);
    const char sep = header_line.find(';') != std::string_view::npos ? ';' : ',';
    std::vector<CsvRecord> records;
    int unclosed = 0;
    if (!split_csv_records(text, sep, records, unclosed))
        return refuse(unclosed, "ein Anführungszeichen wird nicht geschlossen.");
    if (records.empty()) return Status::failure("Die CSV-Datei ist leer.|Es wurde nichts importiert.");
    std::map<std::string, size_t> column;
    const auto& header = records.front().fields;
    for (size_t i = 0; i < header.size(); ++i) column.emplace(header_name(header[i]), i);
    for (const char* need : {"date", "n1", "n2", "n3", "n4", "n5", "n6"})
        if (!column.count(need))
            return refuse(records.front().line, std::string("die Spalte \"") + need + "\" fehlt.");

    const int capacity = params.capacity();
    const int32_t last_key = draw_date(params.code, capacity).key;

    CsvDraws result;
    std::map<int, int> line_of_draw;
    std::map<int32_t, int> bonus_line;
    std::vector<std::string> errors;
    auto bad = [&](int line, const std::string& why) {
        errors.push_back("Zeile " + std::to_string(line) + ": " + why);
    };
    for (size_t r = 1; r < records.size(); ++r) {
        const int line = records[r].line;
        const auto& cells = records[r].fields;
        if (cells.size() > header.size()) {
            bad(line, "mehr Felder als Spalten.");
            continue;
        }
        auto cell = [&](const char* name) -> std::string {
            auto it = column.find(name);
            return it == column.end() || it->second >= cells.size() ? std::string()
                                                                    : cells[it->second];
        };
        const int32_t key = csv_date_key(cell("date"));
        if (key == 0) {
            bad(line, "ungültiges Datum \"" + cell("date") + "\".");
            continue;
        }
        if (key > last_key) {
            bad(line, "die Ziehung liegt hinter der letzten möglichen Ziehung " +
                          std::to_string(capacity) + ".");
            continue;
        }
        const std::string sub = to_upper_ascii(cell("draw"));
        // The draw of that date (two Wednesday draws share a date: "A " before
        // "B "; with "A"/"B" the named one, else the first one not yet taken).
        int n = 0, taken = 0;
        for (int candidate : draws_on_date(params.code, capacity, key)) {
            if (!sub.empty() && draw_date(params.code, candidate).prefix != sub + " ") continue;
            if (sub.empty() && line_of_draw.count(candidate)) {
                taken = taken ? taken : candidate;
                continue;
            }
            n = candidate;
            break;
        }
        if (n == 0) n = taken;
        const CivilDate day{key / 10000, key / 100 % 100, key % 100};
        if (n == 0 && params.austria && weekday(day) == 5 && key > draw_date(params.code, 1).key) {
            // A Friday without a regular draw: a bonus draw, with the bonus editor's checks.
            BonusRowInput input;
            input.date = make_draw_date(day).text;
            for (int k = 0; k < 6; ++k) input.numbers[static_cast<size_t>(k)] = cell(("n" + std::to_string(k + 1)).c_str());
            input.numbers[6] = cell("zusatzzahl");
            input.joker = cell("joker");
            BonusEditor check({});
            if (Status s = check.take(input, -1); !s) {
                bad(line, "Bonus-Ziehung: " + plain_message(s.message()));
                continue;
            }
            if (auto seen = bonus_line.find(key); seen != bonus_line.end()) {
                bad(line, "die Bonus-Ziehung steht schon in Zeile " + std::to_string(seen->second) + ".");
                continue;
            }
            bonus_line.emplace(key, line);
            result.bonus.push_back({line, check.draws().front()});
            continue;
        }
        if (n == 0) {
            // A date on which this game has no draw (another game's row).
            result.skipped_lines.push_back(line);
            continue;
        }
        if (auto seen = line_of_draw.find(n); seen != line_of_draw.end()) {
            bad(line, "die Ziehung " + std::to_string(n) + " steht schon in Zeile " +
                          std::to_string(seen->second) + ".");
            continue;
        }
        CsvDraw d;
        d.line = line;
        d.draw = n;
        std::array<int, 7> values{};
        bool numbers_ok = true;
        for (int k = 0; k < 6 && numbers_ok; ++k) {
            const std::string name = std::string("n").append(std::to_string(k + 1));
            const auto v = to_int(cell(name.c_str()));
            numbers_ok = v && entry_value_valid(params, n, k, *v, values.data());
            if (!numbers_ok)
                bad(line,
                    "ungültige oder doppelte Zahl \"" + cell(name.c_str()) + "\" in " + name + ".");
            else
                values[static_cast<size_t>(k)] = *v;
        }
        if (!numbers_ok) continue;
        const char* extra_column = extra_is_lucky_number(params, n) ? "gluckszahl"
                                   : extra_is_superzahl(params, n)  ? "superzahl"
                                                                    : "zusatzzahl";
        if (const std::string e = cell(extra_column); !e.empty()) {
            const auto v = to_int(e);
            if (!v || !entry_value_valid(params, n, 6, *v, values.data())) {
                bad(line, "ungültiger Wert \"" + e + "\" in " + extra_column + ".");
                continue;
            }
            d.extra = static_cast<uint8_t>(extra_is_superzahl(params, n) && *v == 0 ? 10 : *v);
        }
        for (int k = 0; k < 6; ++k)
            d.numbers[static_cast<size_t>(k)] =
                static_cast<uint8_t>(values[static_cast<size_t>(k)]);
        std::sort(d.numbers.begin(), d.numbers.end());
        // Side numbers: exactly their 7 (Spiel 77) or 6 digits, leading zeros kept.
        auto side_value = [&](const char* name, size_t digits, std::optional<int32_t>& to) {
            const std::string s = cell(name);
            if (s.empty()) return true;
            if (s.size() != digits || !all_digits(s)) return false;
            to = to_int(s);
            return true;
        };
        const bool german = is_german_game(params.code);
        if (german && !side_value("spiel77", 7, d.side)) {
            bad(line, "ungültige Spiel-77-Zahl \"" + cell("spiel77") + "\" (7 Ziffern erwartet).");
            continue;
        }
        if (german && !side_value("super6", 6, d.super6)) {
            bad(line, "ungültige Super-6-Zahl \"" + cell("super6") + "\" (6 Ziffern erwartet).");
            continue;
        }
        if (!german && !params.info().side_file.empty() && !side_value("joker", 6, d.side)) {
            bad(line, "ungültige Joker-Zahl \"" + cell("joker") + "\" (6 Ziffern erwartet).");
            continue;
        }
        line_of_draw.emplace(n, line);
        result.draws.push_back(d);
    }
    if (!errors.empty()) {
        // Every line that cannot be taken, not just the first.
        std::string text = "Die CSV-Datei ist fehlerhaft:";
        for (size_t i = 0; i < errors.size() && i < kListedErrors; ++i) text += "|" + errors[i];
        if (errors.size() > kListedErrors)
            text += "|… und " + std::to_string(errors.size() - kListedErrors) +
                    " weitere fehlerhafte Zeilen";
        return Status::failure(text + "|Es wurde nichts importiert.");
    }
    out = std::move(result);
    return {};
}

std::string ImportPreview::summary() const {
    std::string text = std::to_string(added.size()) + " neue Ziehungen, " + std::to_string(changed.size()) +
                       " abweichende";
    if (!bonus_added.empty() || !bonus_changed.empty())
        text += ", " + std::to_string(bonus_added.size()) + " neue Bonus-Ziehungen, " +
                std::to_string(bonus_changed.size()) + " abweichende";
    return text;
}

std::string ImportGap::text(GameCode game) const {
    return gap_text(game, gap, "Die Zeile " + std::to_string(line) + " vom");
}

std::optional<ImportGap> far_gap(const DrawArchive& archive, const CsvDraws& csv) {
    std::vector<const CsvDraw*> rows;
    for (const CsvDraw& d : csv.draws) rows.push_back(&d);
    std::sort(rows.begin(), rows.end(), [](const CsvDraw* a, const CsvDraw* b) { return a->draw < b->draw; });
    int newest = archive.newest();
    for (const CsvDraw* d : rows) {
        if (d->draw <= newest) continue;
        const DrawGap gap = gap_after(archive.game(), newest, d->draw);
        if (gap.far()) return ImportGap{d->line, gap};
        newest = d->draw;
    }
    return std::nullopt;
}

ImportPreview preview_import(const DrawArchive& archive, const CsvDraws& csv) {
    ImportPreview p;
    p.gap = far_gap(archive, csv);
    for (const CsvDraw& d : csv.draws) {
        const Draw stored = archive.draw(d.draw);
        const bool held = archive.has_draw(d.draw) && stored.numbers[0] != 0;
        if (!held) {
            p.added.push_back(d.draw);
            continue;
        }
        bool same = d.numbers == stored.numbers;
        if (d.extra != 0 && d.extra != stored.extra) same = false;
        if (d.side && *d.side != archive.side_number(d.draw)) same = false;
        if (d.super6 && *d.super6 != archive.super6_number(d.draw)) same = false;
        if (same)
            ++p.unchanged;
        else
            p.changed.push_back(d.draw);
    }
    for (const CsvBonusDraw& b : csv.bonus) {
        const auto& held = archive.bonus_draws();
        const auto it = std::find_if(held.begin(), held.end(), [&](const BonusDraw& h) { return h.date == b.draw.date; });
        if (it == held.end())
            p.bonus_added.push_back(b.draw.date);
        else if (it->numbers != b.draw.numbers || (b.draw.joker >= 0 && it->joker != b.draw.joker))
            p.bonus_changed.push_back(b.draw.date);
        else
            ++p.unchanged;
    }
    return p;
}

Status apply_import(DrawArchive& archive, const CsvDraws& csv, DrawRange& range, GapPolicy gaps) {
    if (gaps == GapPolicy::kRefuse)
        if (const auto gap = far_gap(archive, csv))
            return Status::failure(gap->text(archive.game()) + "|Es wurde nichts importiert.");
    std::vector<BonusDraw> bonus = archive.bonus_draws();
    for (const CsvBonusDraw& b : csv.bonus) {
        auto it = std::find_if(bonus.begin(), bonus.end(), [&](const BonusDraw& h) { return h.date == b.draw.date; });
        if (it == bonus.end()) {
            bonus.push_back(b.draw);
            continue;
        }
        // LottoPlus numbers and a Joker the file does not carry stay.
        const int32_t joker = b.draw.joker >= 0 ? b.draw.joker : it->joker;
        it->numbers = b.draw.numbers;
        it->joker = joker;
    }
    if (bonus.size() > static_cast<size_t>(kMaxBonusDraws))
        return Status::failure("Es sind höchstens " + std::to_string(kMaxBonusDraws) +
                               " Bonus-Ziehungen möglich.|Es wurde nichts importiert.");
    if (!csv.bonus.empty()) {
        std::stable_sort(bonus.begin(), bonus.end(), [](const BonusDraw& a, const BonusDraw& b) {
            return key_from_date_text(a.date) < key_from_date_text(b.date);
        });
        archive.set_bonus_draws(std::move(bonus));
    }
    const bool range_at_end = range.last >= archive.default_range().last;
    int highest = 0;
    for (const CsvDraw& d : csv.draws) highest = std::max(highest, d.draw);
    if (highest > 0)
        if (Status s = archive.extend_to(highest); !s) return s;
    for (const CsvDraw& d : csv.draws) {
        Draw taken = archive.draw(d.draw);
        taken.numbers = d.numbers;
        if (d.extra != 0) taken.extra = d.extra;
        archive.set_draw(d.draw, taken);
        if (d.side) archive.set_side_number(d.draw, *d.side);
        if (d.super6) archive.set_super6_number(d.draw, *d.super6);
    }
    archive.set_saved(false);
    if (archive.game() == kAustria) archive.merge_bonus_draws();
    if (range_at_end) range.set(range.first, archive.default_range().last);
    return {};
}

}  // namespace zw
