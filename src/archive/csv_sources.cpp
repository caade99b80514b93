#include "archive/csv_sources.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "archive/calendar.h"

namespace zw {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int number(std::string_view s) {
    s = trimmed(s);
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return -1;
    return v;
}

}  // namespace

bool split_csv_records(std::string_view text, char separator, std::vector<CsvRecord>& out,
                       int& bad_line) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    int line = 1;
    record.line = 1;
    bool quoted = false;    // inside quotes
    bool any = false;       // the record has a character or a separator
    auto end_field = [&] {
        record.fields.push_back(std::string(trimmed(field)));
        field.clear();
    };
    auto end_record = [&] {
        end_field();
        const bool blank = !any && record.fields.size() == 1 && record.fields[0].empty();
        if (!blank) records.push_back(std::move(record));
        record = CsvRecord{};
        any = false;
    };
    int quote_line = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && trimmed(field).empty()) {
            field.clear();
            quoted = true;
            any = true;
            quote_line = line;
        } else if (c == separator) {
            end_field();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            end_record();
            ++line;
            record.line = line;
        } else {
            field += c;
            if (c != ' ' && c != '\t') any = true;
        }
    }
    if (quoted) {
        bad_line = quote_line;
        return false;
    }
    if (any || !field.empty()) end_record();
    out = std::move(records);
    return true;
}

int32_t csv_date_key(std::string_view text) {
    const std::string_view s = trimmed(text);
    if (s.size() != 10) return 0;
    auto part = [&](size_t pos, size_t len) {
        const std::string_view p = s.substr(pos, len);
        return std::all_of(p.begin(), p.end(), [](char c) { return c >= '0' && c <= '9'; })
                   ? number(p)
                   : -1;
    };
    CivilDate d;
    if (s[4] == '-' && s[7] == '-')
        d = {part(0, 4), part(5, 2), part(8, 2)};
    else if ((s[2] == '.' && s[5] == '.') || (s[2] == '-' && s[5] == '-'))
        d = {part(6, 4), part(3, 2), part(0, 2)};
    else
        return 0;
    if (d.year < 1900 || d.year > 2999 || d.month < 1 || d.month > 12 || d.day < 1) return 0;
    if (civil_from_days(days_from_civil(d)) != d) return 0;
    return d.year * 10000 + d.month * 100 + d.day;
}

Status parse_source_csv(std::string_view text, SourceKind kind, std::vector<SourceRow>& out) {
    auto refuse = [](int line, const std::string& why) {
        return Status::failure("Die Quelldatei ist fehlerhaft:|Zeile " + std::to_string(line) + ": " + why);
    };
    std::vector<CsvRecord> records;
    int bad = 0;
    if (!split_csv_records(text, ',', records, bad))
        return refuse(bad, "ein Anführungszeichen wird nicht geschlossen.");
    if (records.empty()) return Status::failure("Die Quelldatei ist leer.");
    const CsvRecord& header = records.front();
    std::map<std::string, size_t> column;
    for (size_t i = 0; i < header.fields.size(); ++i)
        column.emplace(to_lower_ascii(header.fields[i]), i);
    for (const char* need : {"date", "n1", "n2", "n3", "n4", "n5", "n6"})
        if (!column.count(need))
            return refuse(header.line, std::string("die Spalte \"") + need + "\" fehlt.");
    const bool german = kind == SourceKind::kGermanLotto;
    const char* extra_name = german ? "superzahl" : "zusatzzahl";
    const auto extra_column = column.find(extra_name);
    const int highest = german ? 49 : 45;
    // A last line without its line break may be cut off: it is only taken
    // when every field is there and filled.
    const bool open_end = !text.empty() && text.back() != '\n' && text.back() != '\r';

    std::vector<SourceRow> rows;
    std::map<int32_t, int> line_of_date;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        if (rec.fields.size() != header.fields.size())
            return refuse(rec.line, std::to_string(rec.fields.size()) + " statt " +
                                        std::to_string(header.fields.size()) + " Felder.");
        if (open_end && r + 1 == records.size() &&
            std::any_of(rec.fields.begin(), rec.fields.end(), [](const std::string& f) { return f.empty(); }))
            return refuse(rec.line, "die Zeile ist unvollständig (Datei abgeschnitten?).");
        auto cell = [&](const std::string& name) -> const std::string& { return rec.fields[column.at(name)]; };
        SourceRow row;
        row.line = rec.line;
        row.key = csv_date_key(cell("date"));
        if (row.key == 0) return refuse(rec.line, "ungültiges Datum \"" + cell("date") + "\".");
        if (auto seen = line_of_date.find(row.key); seen != line_of_date.end())
            return refuse(rec.line, "das Datum steht schon in Zeile " + std::to_string(seen->second) + ".");
        uint64_t seen_numbers = 0;
        for (int k = 0; k < 6; ++k) {
            const std::string name = "n" + std::to_string(k + 1);
            const int v = number(cell(name));
            if (v < 1 || v > highest || (seen_numbers >> v & 1u))
                return refuse(rec.line, "ungültige oder doppelte Zahl \"" + cell(name) + "\" in " + name + ".");
            seen_numbers |= uint64_t{1} << v;
            row.numbers[static_cast<size_t>(k)] = static_cast<uint8_t>(v);
        }
        std::sort(row.numbers.begin(), row.numbers.end());
        if (extra_column != column.end()) {
            const std::string& e = rec.fields[extra_column->second];
            if (!e.empty()) {
                const int v = number(e);
                const bool ok = german ? v >= 0 && v <= 9 : v >= 1 && v <= highest;
                if (!ok) return refuse(rec.line, "ungültiger Wert \"" + e + "\" in " + extra_name + ".");
                row.extra = v;
            }
        }
        line_of_date.emplace(row.key, rec.line);
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const SourceRow& a, const SourceRow& b) { return a.key < b.key; });
    out = std::move(rows);
    return {};
}

}  // namespace zw
