#include "archive/draw_archive.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "archive/calendar.h"

namespace zw {
namespace {

constexpr int kHeaderBytes = 4;
constexpr const char* kLottoPlusFile = "OP_Lotto.Dat";
constexpr const char* kBonusFile = "OB_Lotto.Dat";

}  // namespace

DrawArchive::DrawArchive()
    : table_(kDrawTableBytes, 0),
      side_(kMaxSideEntries, -1),
      super6_(kMaxSideEntries, -1),
      plus_(static_cast<size_t>(kMaxLottoPlus) * 6, 0) {}

void DrawArchive::clear_for(const GameParams& params, int next_draw) {
    const GameInfo& g = params.info();
    game_ = params.code;
    record_length_ = params.record_length();
    std::fill(table_.begin(), table_.end(), 0);
    next_draw_ = next_draw;
    calibration_x = calibration_y = 126;
    bundesland = 0;
    side_file_ = std::string(g.side_file);
    super6_file_ = std::string(g.super6_file);
    side_offset_ = g.side_offset;
    super6_offset_ = g.super6_offset;
    std::fill(side_.begin(), side_.end(), -1);
    std::fill(super6_.begin(), super6_.end(), -1);
    side_count_ = super6_count_ = 0;
    super6_file_present_ = false;
    std::fill(plus_.begin(), plus_.end(), 0);
    plus_count_ = 0;
    bonus_.clear();
    combined_.clear();
    source_file_.clear();
    saved_ = true;
    if (params.austria) merge_bonus_draws();
}

Status DrawArchive::load_draws(const fs::path& folder, const GameParams& params,
                               std::vector<std::string>* warnings) {
    auto file = find_file(folder, params.info().draw_file);
    if (!file)
        return Status::failure(to_upper_ascii(params.info().draw_file) +
                               " ist|nicht im aktuellen|Ordner oder Laufwerk!");
    return load_draws(folder, *file, params, warnings);
}

Status DrawArchive::load_draws(const fs::path& folder, const fs::path& file,
                               const GameParams& params, std::vector<std::string>* warnings) {
    // Parse into a fresh archive first so that a refused file leaves this one untouched.
    DrawArchive fresh;
    fresh.clear_for(params);
    if (Status s = fresh.load_main(file, params); !s) return s;
    fresh.load_side_games(folder, warnings);
    if (params.austria) fresh.load_austrian_extras(folder, warnings);
    fresh.saved_ = true;
    *this = std::move(fresh);
    return {};
}

Status DrawArchive::load_main(const fs::path& file, const GameParams& params) {
    const std::string name = file.filename().string();
    const size_t limit = static_cast<size_t>(kHeaderBytes) + kDrawTableBytes + 1;
    auto bytes = read_file(file, limit);
    if (!bytes) {
        std::error_code ec;
        if (fs::exists(file, ec) && fs::file_size(file, ec) >= limit)
            return Status::failure("Die Datei " + name + " enthält mehr als " +
                                   std::to_string(capacity()) +
                                   " Ziehungen|und kann nicht geladen werden.");
        return Status::failure("Die Datei " + name + " kann nicht gelesen werden.");
    }
    if (bytes->size() < static_cast<size_t>(kHeaderBytes))
        return Status::failure("Die Datei " + name + " ist zu kurz|und keine Ziehungsdatei.");
    const size_t payload = bytes->size() - kHeaderBytes;
    const size_t records = payload / static_cast<size_t>(record_length_);
    if (records > static_cast<size_t>(params.capacity()))
        return Status::failure("Die Datei " + name + " enthält mehr als " +
                               std::to_string(params.capacity()) +
                               " Ziehungen|und kann nicht geladen werden.");
    calibration_x = (*bytes)[0] ? (*bytes)[0] : 126;
    calibration_y = (*bytes)[1] ? (*bytes)[1] : 126;
    bundesland = get_i16(bytes->data() + 2);
    // A trailing partial record is read but does not count as a draw.
    std::memcpy(table_.data(), bytes->data() + kHeaderBytes, std::min(payload, table_.size()));
    next_draw_ = static_cast<int>(records) + 1;
    source_file_ = file;
    return {};
}

namespace {

// Reads a side-game file: int16 count, then count int32 entries. Entries the
// file does not hold, or beyond the table, are never read.
int read_side_file(const fs::path& path, std::vector<int32_t>& table,
                   std::vector<std::string>* warnings) {
    const std::string name = path.filename().string();
    auto warn = [&](const std::string& text) {
        if (warnings) warnings->push_back(text);
    };
    auto bytes = read_file(path, 2 + 4u * (kMaxSideEntries + 1));
    if (!bytes || bytes->size() < 2) {
        warn("Die Datei " + name + " ist beschädigt und wird nicht gelesen.");
        return 0;
    }
    int count = get_i16(bytes->data());
    const int held = static_cast<int>((bytes->size() - 2) / 4);
    if (count < 0 || count > kMaxSideEntries) {
        warn("Die Datei " + name + " hat eine ungültige Anzahl (" + std::to_string(count) +
             ") und wird nicht gelesen.");
        return 0;
    }
    if (count > held) {
        warn("Die Datei " + name + " ist unvollständig: " + std::to_string(held) + " von " +
             std::to_string(count) + " Einträgen gelesen.");
        count = held;
    }
    for (int i = 0; i < count; ++i) table[static_cast<size_t>(i)] = get_i32(bytes->data() + 2 + 4 * i);
    return count;
}

}  // namespace

void DrawArchive::load_side_games(const fs::path& folder, std::vector<std::string>* warnings) {
    std::fill(side_.begin(), side_.end(), -1);
    std::fill(super6_.begin(), super6_.end(), -1);
    side_count_ = super6_count_ = 0;
    if (auto p = find_file(folder, side_file_)) side_count_ = read_side_file(*p, side_, warnings);
    super6_file_present_ = false;
    if (is_german_game(game_) && !super6_file_.empty()) {
        if (auto p = find_file(folder, super6_file_)) {
            super6_file_present_ = true;
            super6_count_ = read_side_file(*p, super6_, warnings);
        }
    }
}

void DrawArchive::load_austrian_extras(const fs::path& folder, std::vector<std::string>* warnings) {
    std::fill(plus_.begin(), plus_.end(), 0);
    plus_count_ = 0;
    if (auto p = find_file(folder, kLottoPlusFile)) {
        auto bytes = read_file(*p, plus_.size() + 6);
        if (!bytes || bytes->size() > plus_.size()) {
            if (warnings)
                warnings->push_back(std::string("Die Datei ") + kLottoPlusFile +
                                    " ist zu groß oder unlesbar und wird nicht gelesen.");
        } else {
            plus_count_ = static_cast<int>(bytes->size() / 6);
            std::memcpy(plus_.data(), bytes->data(), static_cast<size_t>(plus_count_) * 6);
        }
    }
    bonus_.clear();
    if (auto p = find_file(folder, kBonusFile)) {
        auto bytes = read_file(*p, 1u << 20);
        if (bytes) {
            auto parsed = parse_bonus_draws(
                std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
            bonus_ = std::move(parsed.draws);
            if (warnings)
                warnings->insert(warnings->end(), parsed.warnings.begin(), parsed.warnings.end());
        } else if (warnings) {
            warnings->push_back(std::string("Die Datei ") + kBonusFile + " kann nicht gelesen werden.");
        }
    }
    merge_bonus_draws();
}

std::vector<uint8_t> DrawArchive::header_bytes() const {
    std::vector<uint8_t> out;
    out.push_back(calibration_x);
    out.push_back(calibration_y);
    put_i16(out, bundesland);
    return out;
}

Status DrawArchive::write_draw_file(const fs::path& folder) const {
    std::vector<uint8_t> out = header_bytes();
    const size_t records = static_cast<size_t>(draw_count());
    out.reserve(kHeaderBytes + records * record_length_);
    out.insert(out.end(), table_.begin(),
               table_.begin() + static_cast<std::ptrdiff_t>(records * record_length_));
    const std::string name = to_upper_ascii(game_info(game_).draw_file);
    return write_file_atomic(path_for_write(folder, name), out);
}

Status DrawArchive::save_header(const fs::path& folder) {
    // Only the four header bytes of the file on disk change: draws entered
    // since the last save stay out of it until the draws are saved.
    const std::string name = to_upper_ascii(game_info(game_).draw_file);
    const fs::path path = path_for_write(folder, name);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        if (saved_) return write_draw_file(folder);
        return write_file_atomic(path, header_bytes());
    }
    auto bytes = read_file(path, static_cast<size_t>(kHeaderBytes) + kDrawTableBytes + 1);
    if (!bytes) return Status::failure("Die Datei " + path.filename().string() + " kann nicht gelesen werden.");
    std::vector<uint8_t> out = header_bytes();
    if (bytes->size() > static_cast<size_t>(kHeaderBytes))
        out.insert(out.end(), bytes->begin() + kHeaderBytes, bytes->end());
    return write_file_atomic(path, out);
}

Status DrawArchive::save_draws(const fs::path& folder) {
    if (Status s = write_draw_file(folder); !s) return s;
    saved_ = true;
    auto side_bytes = [](const std::vector<int32_t>& table, int count) {
        std::vector<uint8_t> out;
        put_i16(out, static_cast<int16_t>(count));
        for (int i = 0; i < count; ++i) put_i32(out, table[static_cast<size_t>(i)]);
        return out;
    };
    if (!side_file_.empty())
        if (Status s = write_file_atomic(path_for_write(folder, side_file_),
                                         side_bytes(side_, side_count_));
            !s)
            return s;
    if (is_german_game(game_) && !super6_file_.empty() && file_exists(folder, super6_file_))
        if (Status s = write_file_atomic(path_for_write(folder, super6_file_),
                                         side_bytes(super6_, super6_count_));
            !s)
            return s;
    if (game_ == kAustria && plus_count_ != 0) {
        std::span<const uint8_t> plus(plus_.data(), static_cast<size_t>(plus_count_) * 6);
        if (Status s = write_file_atomic(path_for_write(folder, kLottoPlusFile), plus); !s) return s;
        merge_bonus_draws();
    }
    return {};
}

const uint8_t* DrawArchive::record(int n) const {
    return table_.data() + static_cast<size_t>(n - 1) * record_length_;
}
uint8_t* DrawArchive::record(int n) {
    return table_.data() + static_cast<size_t>(n - 1) * record_length_;
}

Status DrawArchive::extend_to(int n) {
    if (n > capacity())
        return Status::failure("Das Archiv ist voll: mehr als " + std::to_string(capacity()) +
                               " Ziehungen sind nicht möglich.");
    if (n >= next_draw_) {
        next_draw_ = n + 1;
        saved_ = false;
    }
    return {};
}

void DrawArchive::remove_newest() {
    if (next_draw_ <= 1) return;
    std::memset(record(newest()), 0, static_cast<size_t>(record_length_));
    --next_draw_;
    saved_ = false;
}

int32_t DrawArchive::side_number(int n) const {
    const int i = n + side_offset_;
    if (i < 0 || i >= kMaxSideEntries) return -1;
    return side_[static_cast<size_t>(i)];
}

int32_t DrawArchive::super6_number(int n) const {
    const int i = n + super6_offset_;
    if (super6_file_.empty() || i < 0 || i >= kMaxSideEntries) return -1;
    return super6_[static_cast<size_t>(i)];
}

bool DrawArchive::set_side_number(int n, int32_t value) {
    const int i = n + side_offset_;
    if (side_file_.empty() || i < 0 || i >= kMaxSideEntries) return false;
    side_[static_cast<size_t>(i)] = value;
    side_count_ = std::max(side_count_, i + 1);
    saved_ = false;
    return true;
}

bool DrawArchive::set_super6_number(int n, int32_t value) {
    const int i = n + super6_offset_;
    if (super6_file_.empty() || i < 0 || i >= kMaxSideEntries) return false;
    super6_[static_cast<size_t>(i)] = value;
    super6_count_ = std::max(super6_count_, i + 1);
    saved_ = false;
    return true;
}

void DrawArchive::set_side_count(int count) {
    count = std::clamp(count, 0, kMaxSideEntries);
    for (int i = count; i < side_count_; ++i) side_[static_cast<size_t>(i)] = -1;
    side_count_ = count;
}

void DrawArchive::set_super6_count(int count) {
    count = std::clamp(count, 0, kMaxSideEntries);
    for (int i = count; i < super6_count_; ++i) super6_[static_cast<size_t>(i)] = -1;
    super6_count_ = count;
}

const uint8_t* DrawArchive::lotto_plus(int n) const {
    const int i = n - kLottoPlusStart;
    if (game_ != kAustria || i < 0 || i >= kMaxLottoPlus) return nullptr;
    return plus_.data() + static_cast<size_t>(i) * 6;
}

uint8_t* DrawArchive::lotto_plus_mut(int n) {
    return const_cast<uint8_t*>(std::as_const(*this).lotto_plus(n));
}

void DrawArchive::set_lotto_plus_count(int count) {
    plus_count_ = std::clamp(count, 0, kMaxLottoPlus);
}

void DrawArchive::set_bonus_draws(std::vector<BonusDraw> bonus) {
    if (bonus.size() > static_cast<size_t>(kMaxBonusDraws)) bonus.resize(kMaxBonusDraws);
    bonus_ = std::move(bonus);
    merge_bonus_draws();
}

void DrawArchive::merge_bonus_draws() {
    combined_.clear();
    if (game_ != kAustria) return;
    combined_.reserve(static_cast<size_t>(draw_count() + bonus_count() + 1));
    size_t b = 0;
    auto bonus_key = [&] {
        return b < bonus_.size() ? key_from_date_text(bonus_[b].date) : 99999999;
    };
    auto push_bonus = [&] {
        const BonusDraw& d = bonus_[b++];
        CombinedRow row;
        row.numbers = d.numbers;
        row.plus = d.plus;
        row.date = d.date;
        row.joker = d.joker;
        row.bonus = true;
        combined_.push_back(std::move(row));
    };
    for (int n = 1; n < next_draw_; ++n) {
        const DrawDate date = draw_date(game_, n);
        // Every bonus draw dated before this regular draw goes first.
        while (bonus_key() < date.key) push_bonus();
        CombinedRow row;
        std::memcpy(row.numbers.data(), record(n), 7);
        if (const uint8_t* plus = lotto_plus(n); plus && n - kLottoPlusStart < plus_count_)
            std::memcpy(row.plus.data(), plus, 6);
        row.date = date.text;
        row.joker = side_number(n);
        combined_.push_back(std::move(row));
    }
    // Bonus draws after the newest regular draw stay in the view.
    while (b < bonus_.size()) push_bonus();
    CombinedRow next;
    next.date = draw_date(game_, std::max(next_draw_, 1)).text;
    combined_.push_back(std::move(next));
}

DrawRangeDefault DrawArchive::default_range() const {
    const int last = newest() + (game_ == kAustria ? bonus_count() : 0);
    return {1, std::max(last, 0)};
}

}  // namespace zw
