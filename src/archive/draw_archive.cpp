#include "archive/draw_archive.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "archive/calendar.h"
#include "archive/draw_files.h"

namespace zw {
namespace {

constexpr const char* kLottoPlusFile = "OP_Lotto.Dat";
constexpr const char* kBonusFile = "OB_Lotto.Dat";

// Entries a side file holds: its count, at most what its bytes hold; 0 when
// absent, -1 when it cannot be read or its count is not one this program writes.
int held_side_entries(const std::optional<fs::path>& path) {
    if (!path) return 0;
    auto bytes = read_file(*path, 2 + 4u * (kMaxSideEntries + 1));
    if (!bytes || bytes->size() < 2) return bytes && bytes->empty() ? 0 : -1;
    const int count = get_i16(bytes->data());
    if (count < 0 || count > kMaxSideEntries) return -1;
    return std::min(count, static_cast<int>((bytes->size() - 2) / 4));
}

// Records the LottoPlus file holds; 0 when absent, -1 when it is too large to be read.
int held_plus_records(const std::optional<fs::path>& path) {
    if (!path) return 0;
    std::error_code ec;
    const auto size = fs::file_size(*path, ec);
    if (ec || size / 6 > static_cast<uintmax_t>(kMaxLottoPlus)) return -1;
    return static_cast<int>(size / 6);
}

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
    draw_file_read_ = false;
    set_aside_.clear();
    side_kept_.clear();
    super6_kept_.clear();
    plus_kept_.clear();
    side_held_ = super6_held_ = plus_held_ = 0;
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
    std::vector<std::string> messages;
    if (Status s = fresh.load_main(file, params, &messages); !s) return s;
    // Two spellings of one file: name the one that is read (and later saved).
    for (const std::string& name :
         {std::string(params.info().draw_file), fresh.side_file_, fresh.super6_file_,
          std::string(params.austria ? kLottoPlusFile : ""),
          std::string(params.austria ? kBonusFile : "")})
        if (!name.empty())
            if (auto w = spelling_warning(folder, name)) messages.push_back(*w);
    fresh.load_side_games(folder, &messages);
    if (params.austria) fresh.load_austrian_extras(folder, &messages);
    fresh.saved_ = true;
    fresh.draw_file_read_ = true;
    *this = std::move(fresh);
    if (warnings) warnings->insert(warnings->end(), messages.begin(), messages.end());
    return {};
}

Status DrawArchive::load_main(const fs::path& file, const GameParams& params,
                              std::vector<std::string>* warnings) {
    const std::string name = file.filename().string();
    // The largest file that fits: every record and an incomplete last one.
    const size_t length = static_cast<size_t>(params.record_length());
    const size_t limit = kDrawHeaderBytes + static_cast<size_t>(params.capacity()) * length +
                         length - 1;
    auto bytes = read_file(file, limit);
    if (!bytes) {
        std::error_code ec;
        if (fs::exists(file, ec) && fs::file_size(file, ec) > limit)
            return Status::failure("Die Datei " + name + " enthält mehr als " +
                                   std::to_string(params.capacity()) +
                                   " Ziehungen|und kann nicht geladen werden.");
        return Status::failure("Die Datei " + name + " kann nicht gelesen werden.");
    }
    DrawFileContents contents;
    if (Status s = decode_draw_file(*bytes, params, name, contents, warnings); !s) return s;
    calibration_x = contents.calibration_x;
    calibration_y = contents.calibration_y;
    bundesland = contents.bundesland;
    std::copy(contents.table.begin(), contents.table.end(), table_.begin());
    set_aside_ = std::move(contents.set_aside);
    next_draw_ = contents.records + 1;
    source_file_ = file;
    return {};
}

namespace {

// Digits of a side game's numbers: Spiel 77 has seven, Super 6 and Joker six.
int side_digits(GameCode game, bool super6) { return is_german_game(game) && !super6 ? 7 : 6; }

int read_side_file(const fs::path& path, int digits, int offset, std::vector<int32_t>& table,
                   std::vector<std::string>* warnings, std::map<int, int32_t>* kept) {
    const std::string name = path.filename().string();
    auto bytes = read_file(path, 2 + 4u * (kMaxSideEntries + 1));
    if (!bytes) {
        if (warnings) warnings->push_back("Die Datei " + name + " ist beschädigt und wird nicht gelesen.");
        return 0;
    }
    return decode_side_file(*bytes, name, digits, offset, table, warnings, kept);
}

}  // namespace

void DrawArchive::load_side_games(const fs::path& folder, std::vector<std::string>* warnings) {
    std::fill(side_.begin(), side_.end(), -1);
    std::fill(super6_.begin(), super6_.end(), -1);
    side_count_ = super6_count_ = 0;
    side_held_ = held_side_entries(find_file(folder, side_file_));
    super6_held_ = is_german_game(game_) && !super6_file_.empty()
                       ? held_side_entries(find_file(folder, super6_file_))
                       : 0;
    if (auto p = find_file(folder, side_file_))
        side_count_ = read_side_file(*p, side_digits(game_, false), side_offset_, side_, warnings,
                                     &side_kept_);
    super6_file_present_ = false;
    if (is_german_game(game_) && !super6_file_.empty()) {
        if (auto p = find_file(folder, super6_file_)) {
            super6_file_present_ = true;
            super6_count_ = read_side_file(*p, side_digits(game_, true), super6_offset_, super6_,
                                           warnings, &super6_kept_);
        }
    }
}

void DrawArchive::load_austrian_extras(const fs::path& folder, std::vector<std::string>* warnings) {
    std::fill(plus_.begin(), plus_.end(), 0);
    plus_count_ = 0;
    plus_held_ = held_plus_records(find_file(folder, kLottoPlusFile));
    if (auto p = find_file(folder, kLottoPlusFile)) {
        if (auto bytes = read_file(*p, plus_.size() + 6))
            plus_count_ = decode_lotto_plus(*bytes, kLottoPlusFile, plus_, warnings, &plus_kept_);
        else if (warnings)
            warnings->push_back(std::string("Die Datei ") + kLottoPlusFile +
                                " ist zu groß oder unlesbar und wird nicht gelesen.");
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

std::vector<uint8_t> DrawArchive::encode_draw_file() const {
    std::vector<uint8_t> out = header_bytes();
    const size_t records = static_cast<size_t>(draw_count());
    out.reserve(kDrawHeaderBytes + records * record_length_);
    out.insert(out.end(), table_.begin(),
               table_.begin() + static_cast<std::ptrdiff_t>(records * record_length_));
    // A record set aside goes back as read, unless the draw has been entered since.
    for (const auto& [n, bytes] : set_aside_) {
        if (n > static_cast<int>(records)) break;
        auto rec = out.begin() + kDrawHeaderBytes + static_cast<std::ptrdiff_t>(n - 1) * record_length_;
        if (std::all_of(rec, rec + record_length_, [](uint8_t b) { return b == 0; }))
            std::copy(bytes.begin(), bytes.end(), rec);
    }
    return out;
}

fs::path DrawArchive::draw_file_path(const fs::path& folder) const {
    // The file the load reads; a new file is spelled in capitals.
    const std::string_view name = game_info(game_).draw_file;
    return path_for_write(folder, name, to_upper_ascii(name));
}

Status DrawArchive::save_header(const fs::path& folder) {
    // Only the four header bytes of the file on disk change: draws entered
    // since the last save stay out of it until the draws are saved.
    const fs::path path = draw_file_path(folder);
    std::error_code ec;
    if (!fs::exists(path, ec)) return write_file_atomic(path, saved_ ? encode_draw_file() : header_bytes());
    auto bytes = read_file(path, static_cast<size_t>(kDrawHeaderBytes) + kDrawTableBytes + 1);
    if (!bytes) return Status::failure("Die Datei " + path.filename().string() + " kann nicht gelesen werden.");
    std::vector<uint8_t> out = header_bytes();
    if (bytes->size() > static_cast<size_t>(kDrawHeaderBytes))
        out.insert(out.end(), bytes->begin() + kDrawHeaderBytes, bytes->end());
    return write_file_atomic(path, out);
}

namespace {

std::vector<uint8_t> side_bytes(const std::vector<int32_t>& table, int count,
                                const std::map<int, int32_t>& kept) {
    std::vector<uint8_t> out;
    put_i16(out, static_cast<int16_t>(count));
    for (int i = 0; i < count; ++i) {
        int32_t v = table[static_cast<size_t>(i)];
        if (auto k = kept.find(i); v == -1 && k != kept.end()) v = k->second;
        put_i32(out, v);
    }
    return out;
}

// Adds the question sentence when writing `count` values would replace a
// file on disk that holds more, or that could not be read.
void check_shrink(const std::optional<fs::path>& path, int count, int held,
                  std::vector<std::string>& replaced) {
    if (!path) return;
    const std::string name = path->filename().string();
    if (held < 0)
        replaced.push_back("Die Datei " + name +
                           " konnte nicht gelesen werden; sie wird ersetzt, ihr bisheriger Inhalt "
                           "geht verloren.");
    else if (count < held)
        replaced.push_back("Die Datei " + name + " enthält " + std::to_string(held) +
                           " Einträge; gespeichert würden nur " + std::to_string(count) + ".");
}

}  // namespace

DrawArchive::SaveCheck DrawArchive::check_save(const fs::path& folder) const {
    SaveCheck check;
    const std::string draw_name(game_info(game_).draw_file);
    if (!draw_file_read_) {
        if (const auto existing = find_file(folder, draw_name)) {
            const std::string name = existing->filename().string();
            // Nothing entered: nothing to write, and the unread file stays as it is.
            if (saved_) {
                check.refusal = "Die Datei " + name + " konnte nicht geladen werden und wird nicht überschrieben.";
                return check;
            }
            check.replaced.push_back("Die Datei " + name +
                                     " konnte nicht geladen werden; sie wird durch die eingegebenen "
                                     "Ziehungen ersetzt, ihr bisheriger Inhalt geht verloren.");
        }
    }
    // Once the draw file was read, the side files count as they were read;
    // otherwise they were never read and count as they are on disk.
    const bool read = draw_file_read_;
    if (!side_file_.empty()) {
        const auto p = find_file(folder, side_file_);
        check_shrink(p, side_count_, read ? side_held_ : held_side_entries(p), check.replaced);
    }
    if (is_german_game(game_) && !super6_file_.empty()) {
        const auto p = find_file(folder, super6_file_);
        check_shrink(p, super6_count_, read ? super6_held_ : held_side_entries(p), check.replaced);
    }
    if (game_ == kAustria && plus_count_ != 0) {
        const auto p = find_file(folder, kLottoPlusFile);
        check_shrink(p, plus_count_, read ? plus_held_ : held_plus_records(p), check.replaced);
    }
    return check;
}

Status DrawArchive::save_draws(const fs::path& folder, bool replace_confirmed) {
    const SaveCheck check = check_save(folder);
    if (!check.refusal.empty()) return Status::failure(check.refusal);
    if (!check.replaced.empty() && !replace_confirmed) {
        std::string text;
        for (const auto& r : check.replaced) text += r + "|";
        return Status::failure(text + "Es wurde nichts gespeichert.");
    }
    // All files of the archive in one set, so that a crash does not leave the
    // draw file and its side files from different saves.
    FileSetWriter files;
    files.add(draw_file_path(folder), encode_draw_file());
    if (!side_file_.empty())
        files.add(path_for_write(folder, side_file_), side_bytes(side_, side_count_, side_kept_));
    if (is_german_game(game_) && !super6_file_.empty() && file_exists(folder, super6_file_))
        files.add(path_for_write(folder, super6_file_),
                  side_bytes(super6_, super6_count_, super6_kept_));
    if (game_ == kAustria && plus_count_ != 0) {
        std::vector<uint8_t> plus(plus_.begin(),
                                  plus_.begin() + static_cast<std::ptrdiff_t>(plus_count_) * 6);
        for (const auto& [r, six] : plus_kept_) {
            if (r >= plus_count_) break;
            auto at = plus.begin() + static_cast<std::ptrdiff_t>(r) * 6;
            if (std::all_of(at, at + 6, [](uint8_t b) { return b == 0; }))
                std::copy(six.begin(), six.end(), at);
        }
        files.add(path_for_write(folder, kLottoPlusFile), std::move(plus));
    }
    if (Status s = files.commit(); !s) return s;
    saved_ = true;
    draw_file_read_ = true;
    side_held_ = side_file_.empty() ? 0 : side_count_;
    if (is_german_game(game_) && !super6_file_.empty() && file_exists(folder, super6_file_))
        super6_held_ = super6_count_;
    if (game_ == kAustria && plus_count_ != 0) plus_held_ = plus_count_;
    if (game_ == kAustria) merge_bonus_draws();
    return {};
}

std::span<const uint8_t> DrawArchive::record_bytes(int n) const {
    return {table_.data() + static_cast<size_t>(n - 1) * record_length_,
            static_cast<size_t>(record_length_)};
}
std::span<uint8_t> DrawArchive::record_bytes(int n) {
    return {table_.data() + static_cast<size_t>(n - 1) * record_length_,
            static_cast<size_t>(record_length_)};
}

Draw DrawArchive::draw(int n) const {
    if (n < 1 || n > capacity()) return {};
    return decode_record(record_bytes(n));
}

void DrawArchive::set_draw(int n, const Draw& draw) {
    if (n < 1 || n > capacity()) return;
    encode_record(draw, record_bytes(n));
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
    const auto rec = record_bytes(newest());
    std::fill(rec.begin(), rec.end(), uint8_t{0});
    set_aside_.erase(newest());
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
    side_kept_.erase(i);
    side_count_ = std::max(side_count_, i + 1);
    saved_ = false;
    return true;
}

bool DrawArchive::set_super6_number(int n, int32_t value) {
    const int i = n + super6_offset_;
    if (super6_file_.empty() || i < 0 || i >= kMaxSideEntries) return false;
    super6_[static_cast<size_t>(i)] = value;
    super6_kept_.erase(i);
    super6_count_ = std::max(super6_count_, i + 1);
    saved_ = false;
    return true;
}

void DrawArchive::set_side_count(int count) {
    count = std::clamp(count, 0, kMaxSideEntries);
    for (int i = count; i < side_count_; ++i) side_[static_cast<size_t>(i)] = -1;
    side_kept_.erase(side_kept_.lower_bound(count), side_kept_.end());
    side_count_ = count;
}

void DrawArchive::set_super6_count(int count) {
    count = std::clamp(count, 0, kMaxSideEntries);
    for (int i = count; i < super6_count_; ++i) super6_[static_cast<size_t>(i)] = -1;
    super6_kept_.erase(super6_kept_.lower_bound(count), super6_kept_.end());
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
        const Draw d = draw(n);
        std::copy(d.numbers.begin(), d.numbers.end(), row.numbers.begin());
        row.numbers[6] = d.extra;
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
