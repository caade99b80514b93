#include "archive/draw_files.h"

#include <algorithm>

#include "games/capacity.h"
#include "games/draw_rules.h"

namespace zw {
namespace {

// Six numbers 1..highest, no two equal (any order).
bool six_distinct(std::span<const uint8_t> six, int highest) {
    uint64_t seen = 0;
    for (uint8_t v : six.first(6)) {
        if (v < 1 || v > highest) return false;
        const uint64_t bit = uint64_t{1} << v;
        if (seen & bit) return false;
        seen |= bit;
    }
    return true;
}

}  // namespace

std::string draw_list_text(std::vector<int> draws, size_t limit) {
    std::sort(draws.begin(), draws.end());
    draws.erase(std::unique(draws.begin(), draws.end()), draws.end());
    std::vector<std::string> parts;
    size_t rest = 0;
    for (size_t i = 0; i < draws.size();) {
        size_t j = i;
        while (j + 1 < draws.size() && draws[j + 1] == draws[j] + 1) ++j;
        if (parts.size() < limit) {
            std::string part = std::to_string(draws[i]);
            if (j == i + 1) {
                parts.push_back(part);
                part = std::to_string(draws[j]);
            } else if (j > i) {
                part += " bis " + std::to_string(draws[j]);
            }
            parts.push_back(part);
        } else {
            rest += j - i + 1;
        }
        i = j + 1;
    }
    if (rest > 0) parts.push_back(std::to_string(rest) + " weitere");
    std::string text;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) text += k + 1 == parts.size() ? " und " : ", ";
        text += parts[k];
    }
    return text;
}

void RecordReport::flush(std::vector<std::string>* warnings) const {
    if (!warnings || draws_.empty()) return;
    const bool one = draws_.size() == 1;
    warnings->push_back("Die Datei " + file_ + ": " + (one ? "Die Ziehung " : "Die Ziehungen ") +
                        draw_list_text(draws_) + " " + (one ? one_ : many_) +
                        (one ? "; sie wird" : "; sie werden") +
                        " bei Auswertungen übergangen und unverändert gespeichert.");
}

Draw decode_record(std::span<const uint8_t> record) {
    Draw d;
    std::copy_n(record.begin(), 6, d.numbers.begin());
    d.extra = record[6];
    if (record.size() > 7) d.plus = record[7];
    return d;
}

void encode_record(const Draw& draw, std::span<uint8_t> record) {
    std::copy(draw.numbers.begin(), draw.numbers.end(), record.begin());
    record[6] = draw.extra;
    if (record.size() > 7) record[7] = draw.plus;
}

bool is_empty_record(std::span<const uint8_t> record) {
    return std::all_of(record.begin(), record.end(), [](uint8_t b) { return b == 0; });
}

bool is_valid_record(const GameParams& params, int n, std::span<const uint8_t> record) {
    const DrawRules rules = draw_rules_at(params, n);
    if (record.size() < 7 || !six_distinct(record, rules.highest)) return false;
    // 0: not known (old draws carry no extra number). A Zusatzzahl equal to
    // one of the six is taken as stored; the evaluation does not count it twice.
    if (record[6] > rules.extra_max) return false;
    // Byte 7 is read only where the draw has a plus number; elsewhere it is kept as stored.
    if (rules.plus_max > 0 && record.size() > 7 && record[7] > rules.plus_max) return false;
    return true;
}

Status decode_draw_file(std::span<const uint8_t> bytes, const GameParams& params,
                        std::string_view name, DrawFileContents& out,
                        std::vector<std::string>* warnings) {
    const std::string file(name);
    if (bytes.size() < static_cast<size_t>(kDrawHeaderBytes))
        return Status::failure("Die Datei " + file + " ist zu kurz|und keine Ziehungsdatei.");
    const size_t length = static_cast<size_t>(params.record_length());
    const size_t payload = bytes.size() - kDrawHeaderBytes;
    const size_t records = payload / length;
    if (records > static_cast<size_t>(params.capacity()))
        return Status::failure("Die Datei " + file + " enthält mehr als " +
                               std::to_string(params.capacity()) +
                               " Ziehungen|und kann nicht geladen werden.");
    DrawFileContents read;
    read.calibration_x = bytes[0] ? bytes[0] : 126;
    read.calibration_y = bytes[1] ? bytes[1] : 126;
    read.bundesland = get_i16(bytes.data() + 2);
    read.records = static_cast<int>(records);
    const auto body = bytes.subspan(kDrawHeaderBytes, records * length);
    read.table.assign(body.begin(), body.end());
    if (const size_t rest = payload % length; rest != 0 && warnings)
        warnings->push_back("Die Datei " + file + " endet mit einem unvollständigen Datensatz (" +
                            std::to_string(rest) + " von " + std::to_string(length) +
                            " Bytes); er wird nicht gelesen.");
    RecordReport report(file, "hat ungültige Zahlen", "haben ungültige Zahlen");
    for (int n = 1; n <= read.records; ++n) {
        const std::span<uint8_t> rec(read.table.data() + static_cast<size_t>(n - 1) * length,
                                     length);
        if (is_empty_record(rec) || is_valid_record(params, n, rec)) continue;
        read.set_aside.emplace(n, std::vector<uint8_t>(rec.begin(), rec.end()));
        std::fill(rec.begin(), rec.end(), uint8_t{0});
        report.bad(n);
    }
    report.flush(warnings);
    out = std::move(read);
    return {};
}

int decode_side_file(std::span<const uint8_t> bytes, std::string_view name, int digits,
                     int offset, std::vector<int32_t>& table, std::vector<std::string>* warnings,
                     std::map<int, int32_t>* kept) {
    const std::string file(name);
    auto warn = [&](const std::string& text) {
        if (warnings) warnings->push_back(text);
    };
    if (bytes.size() < 2) {
        warn("Die Datei " + file + " ist beschädigt und wird nicht gelesen.");
        return 0;
    }
    int count = get_i16(bytes.data());
    const int capacity = static_cast<int>(std::min<size_t>(table.size(), kMaxSideEntries));
    if (count < 0 || count > capacity) {
        warn("Die Datei " + file + " hat eine ungültige Anzahl (" + std::to_string(count) +
             ") und wird nicht gelesen.");
        return 0;
    }
    const size_t held = (bytes.size() - 2) / 4;
    if (static_cast<size_t>(count) > held) {
        warn("Die Datei " + file + " ist unvollständig: " + std::to_string(held) + " von " +
             std::to_string(count) + " Einträgen gelesen.");
        count = static_cast<int>(held);
    }
    const int32_t largest = largest_side_number(digits);
    const std::string what = "keine " + std::to_string(digits) + "-stellige Zahl";
    RecordReport report(file, "hat " + what, "haben " + what);
    for (int i = 0; i < count; ++i) {
        const int32_t v = get_i32(bytes.data() + 2 + 4 * static_cast<size_t>(i));
        if (v < -1 || v > largest) {
            report.bad(i - offset);
            if (kept) (*kept)[i] = v;
            table[static_cast<size_t>(i)] = -1;
        } else {
            table[static_cast<size_t>(i)] = v;
        }
    }
    report.flush(warnings);
    return count;
}

bool is_valid_lotto_plus(std::span<const uint8_t> six) {
    return is_empty_record(six.first(6)) || six_distinct(six, 45);
}

int decode_lotto_plus(std::span<const uint8_t> bytes, std::string_view name,
                      std::vector<uint8_t>& plus, std::vector<std::string>* warnings,
                      std::map<int, std::array<uint8_t, 6>>* kept) {
    const std::string file(name);
    const size_t records = bytes.size() / 6;
    if (records > plus.size() / 6 || records > static_cast<size_t>(kMaxLottoPlus)) {
        if (warnings)
            warnings->push_back("Die Datei " + file + " ist zu groß und wird nicht gelesen.");
        return 0;
    }
    if (bytes.size() % 6 != 0 && warnings)
        warnings->push_back("Die Datei " + file + " endet mit einem unvollständigen Datensatz; er "
                                                  "wird nicht gelesen.");
    // Copy record by record: an empty file has no data pointer to copy from.
    RecordReport report(file, "hat ungültige LottoPlus-Zahlen", "haben ungültige LottoPlus-Zahlen");
    for (size_t r = 0; r < records; ++r) {
        const auto six = bytes.subspan(r * 6, 6);
        if (!is_valid_lotto_plus(six)) {
            report.bad(static_cast<int>(r) + kLottoPlusStart);
            if (kept) std::copy(six.begin(), six.end(), (*kept)[static_cast<int>(r)].begin());
            continue;
        }
        std::copy(six.begin(), six.end(), plus.begin() + static_cast<std::ptrdiff_t>(r * 6));
    }
    report.flush(warnings);
    return static_cast<int>(records);
}

}  // namespace zw
