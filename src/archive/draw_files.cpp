#include "archive/draw_files.h"

#include <algorithm>

#include "archive/capacity.h"

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

void RecordReport::list(int draw, std::string_view what) {
    listed_.push_back("Die Datei " + file_ + ": Ziehung " + std::to_string(draw) + " " +
                          std::string(what) + " und wird als leer behandelt.");
}

void RecordReport::flush(std::vector<std::string>* warnings) const {
    if (!warnings) return;
    warnings->insert(warnings->end(), listed_.begin(), listed_.end());
    if (count_ > kListed)
        warnings->push_back("Die Datei " + file_ + ": " + std::to_string(count_ - kListed) +
                            " weitere ungültige Einträge werden als leer behandelt.");
}

bool is_empty_record(std::span<const uint8_t> record) {
    return std::all_of(record.begin(), record.end(), [](uint8_t b) { return b == 0; });
}

bool is_valid_record(const GameParams& params, int n, std::span<const uint8_t> record) {
    if (record.size() < 7 || !six_distinct(record, params.highest_number)) return false;
    const uint8_t extra = record[6];
    bool extra_ok = true;
    if (extra == 0) {
        extra_ok = true;  // old draws carry no extra number
    } else if (params.super_start > 0 && n >= params.super_start) {
        extra_ok = extra <= 10;  // Superzahl 0..9, 0 stored as 10
    } else if (params.swiss && n >= kSwissLuckyStart) {
        extra_ok = extra <= 6;  // Glückszahl 1..6
    } else {
        // A Zusatzzahl equal to one of the six is taken as stored; the
        // evaluation does not count it twice.
        extra_ok = extra <= params.highest_number;
    }
    // The Swiss plus number (byte 7) is kept as stored when it is a number of the game.
    if (params.swiss && record.size() > 7 && record[7] > params.highest_number) return false;
    return extra_ok;
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
    RecordReport report(file);
    for (int n = 1; n <= read.records; ++n) {
        const std::span<uint8_t> rec(read.table.data() + static_cast<size_t>(n - 1) * length,
                                     length);
        if (is_empty_record(rec) || is_valid_record(params, n, rec)) continue;
        std::fill(rec.begin(), rec.end(), uint8_t{0});
        report.bad(n, [] { return "hat ungültige Zahlen"; });
    }
    report.flush(warnings);
    out = std::move(read);
    return {};
}

int decode_side_file(std::span<const uint8_t> bytes, std::string_view name, int digits,
                     int offset, std::vector<int32_t>& table, std::vector<std::string>* warnings) {
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
    RecordReport report(file);
    for (int i = 0; i < count; ++i) {
        const int32_t v = get_i32(bytes.data() + 2 + 4 * static_cast<size_t>(i));
        if (v < -1 || v > largest) {
            report.bad(i - offset, [&] {
                return "hat keine " + std::to_string(digits) + "-stellige Zahl (" +
                       std::to_string(v) + ")";
            });
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
                      std::vector<uint8_t>& plus, std::vector<std::string>* warnings) {
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
    RecordReport report(file);
    for (size_t r = 0; r < records; ++r) {
        const auto six = bytes.subspan(r * 6, 6);
        if (!is_valid_lotto_plus(six)) {
            report.bad(static_cast<int>(r) + kLottoPlusStart,
                       [] { return "hat ungültige LottoPlus-Zahlen"; });
            continue;
        }
        std::copy(six.begin(), six.end(), plus.begin() + static_cast<std::ptrdiff_t>(r * 6));
    }
    report.flush(warnings);
    return static_cast<int>(records);
}

}  // namespace zw
