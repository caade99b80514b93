#include "archive/draw_entry.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include "archive/calendar.h"

namespace zw {
namespace {

// Value of a box of digits; nullopt for an empty or malformed box.
std::optional<int32_t> box_value(const std::string& box) {
    if (box.empty() || box.size() > 9) return std::nullopt;
    int32_t v = 0;
    auto [p, ec] = std::from_chars(box.data(), box.data() + box.size(), v);
    if (ec != std::errc() || p != box.data() + box.size() || v < 0) return std::nullopt;
    return v;
}

std::string padded(int32_t v, int digits) {
    if (v < 0) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*d", digits, v);
    return buf;
}

}  // namespace

DrawEntry::DrawEntry(const GameParams& params, DrawArchive& archive, DrawRange& range)
    : params_(params), archive_(archive), range_(range) {
    fields_.fill(kBlank);
}

void DrawEntry::open() {
    // Never the range end + 1: a range stepped back in a chart ends before
    // the newest draw, and entry there would open a stored draw.
    e_ = std::clamp(archive_.newest() + 1, 1, archive_.capacity());
    show_entry_draw();
}

bool DrawEntry::correcting() const {
    return archive_.has_draw(e_) && !archive_.draw(e_).empty();
}

DrawGap gap_after(GameCode game, int after, int n) {
    DrawGap g;
    g.draw = n;
    if (after < 1 || n <= after) return g;
    g.after = after;
    g.days = days_from_civil(draw_date(game, n).date) - days_from_civil(draw_date(game, after).date);
    return g;
}

std::string gap_text(GameCode game, const DrawGap& gap, const std::string& what) {
    return what + " " + draw_date(game, gap.draw).text + " liegt " + std::to_string(gap.ahead()) +
           " Ziehungen nach der neuesten Ziehung (" + draw_date(game, gap.after).text +
           ").|Dazwischen blieben " + std::to_string(gap.empty()) + " Ziehungen leer.";
}

bool DrawEntry::go_to(int e) {
    if (e < 1 || e > archive_.capacity()) return false;
    e_ = e;
    show_entry_draw();
    return true;
}

void DrawEntry::show_entry_draw() {
    fields_.fill(kBlank);
    cursor_ = 0;
    typed_.clear();
    if (archive_.has_draw(e_)) {
        const Draw stored = archive_.draw(e_);
        for (int k = 0; k < 6; ++k)
            if (stored.numbers[k] != 0) fields_[k] = stored.numbers[k];
        if (stored.extra != 0) fields_[6] = displayed_extra(params_, e_, stored.extra);
    }
    reset_side_boxes();
    for (auto& b : plus_boxes) b.clear();
    if (plus_boxes_usable() && e_ - kLottoPlusStart < archive_.lotto_plus_count()) {
        const uint8_t* plus = archive_.lotto_plus(e_);
        for (int k = 0; k < 6; ++k)
            if (plus[k] != 0) plus_boxes[k] = std::to_string(plus[k]);
    }
}

void DrawEntry::reset_side_boxes() {
    side_box = padded(archive_.side_number(e_), side_digits());
    super6_box = is_german_game(params_.code) ? padded(archive_.super6_number(e_), 6) : std::string();
}

std::string DrawEntry::field_text(int f) const {
    if (f == cursor_ && !typed_.empty()) return typed_;
    const int v = fields_[static_cast<size_t>(f)];
    return v == kBlank ? std::string() : std::to_string(v);
}

std::string DrawEntry::extra_label() const {
    if (extra_is_lucky_number(params_, e_)) return "GZ";
    if (extra_is_superzahl(params_, e_)) return "SZ";
    return "ZZ";
}

bool entry_value_valid(const GameParams& params, int n, int f, int v, const int* before) {
    if (f < 0 || f >= DrawEntry::kFields) return false;
    if (f == 6 && extra_is_lucky_number(params, n)) return v >= 1 && v <= 6;
    if (f == 6 && extra_is_superzahl(params, n)) return v >= 0 && v <= 9;
    if (v < 1 || v > params.highest_number) return false;
    for (int k = 0; k < f; ++k)
        if (before[k] == v) return false;
    return true;
}

bool entry_draw_values_valid(const GameParams& params, int n, const std::array<int, 7>& values) {
    for (int f = 0; f < DrawEntry::kFields; ++f)
        if (!entry_value_valid(params, n, f, values[static_cast<size_t>(f)], values.data()))
            return false;
    return true;
}

bool DrawEntry::validate_field(int f, int v) const {
    return entry_value_valid(params_, e_, f, v, fields_.data());
}

bool DrawEntry::fill_fields(int draw, const std::array<int, kFields>& values) {
    if (draw != e_ || !entry_draw_values_valid(params_, e_, values)) return false;
    fields_ = values;
    cursor_ = kFields;
    typed_.clear();
    return true;
}

EntryStep DrawEntry::take(int value) {
    typed_.clear();
    if (!validate_field(cursor_, value)) {
        fields_[static_cast<size_t>(cursor_)] = kBlank;
        return EntryStep::kRefused;
    }
    fields_[static_cast<size_t>(cursor_)] = value;
    ++cursor_;
    return cursor_ == kFields ? EntryStep::kComplete : EntryStep::kShown;
}

EntryStep DrawEntry::digit(int d) {
    if (d < 0 || d > 9 || cursor_ >= kFields) return EntryStep::kNothing;
    typed_ += static_cast<char>('0' + d);
    if (typed_.size() < 2) return EntryStep::kShown;
    return take((typed_[0] - '0') * 10 + (typed_[1] - '0'));
}

EntryStep DrawEntry::enter() {
    // All seven fields filled (a fetched draw): RETURN asks for the confirmation.
    if (cursor_ >= kFields && typed_.empty()) return EntryStep::kComplete;
    if (typed_.size() != 1 || cursor_ >= kFields) return EntryStep::kNothing;
    return take(typed_[0] - '0');
}

EntryStep DrawEntry::backspace() {
    if (typed_.size() == 1) {
        typed_.clear();
        return EntryStep::kShown;
    }
    if (cursor_ == 0) return EntryStep::kNothing;
    --cursor_;
    const int v = fields_[static_cast<size_t>(cursor_)];
    fields_[static_cast<size_t>(cursor_)] = kBlank;
    typed_ = v >= 10 ? std::string(1, static_cast<char>('0' + v / 10)) : std::string();
    return EntryStep::kShown;
}

bool DrawEntry::next() {
    if (e_ >= archive_.capacity()) return false;
    store_side_numbers();
    ++e_;
    show_entry_draw();
    return true;
}

bool DrawEntry::previous() {
    if (e_ <= 1) return false;
    store_side_numbers();
    --e_;
    show_entry_draw();
    return true;
}

void DrawEntry::extend_range_to_newest() {
    const int bonus = params_.austria ? archive_.bonus_count() : 0;
    range_.set(range_.first, archive_.newest() + bonus);
}

Status DrawEntry::store_entry_draw() {
    for (int v : fields_)
        if (v == kBlank) return Status::failure("Die Ziehung ist nicht vollständig.");
    const bool is_new = e_ >= archive_.next_draw();
    if (Status s = archive_.extend_to(e_); !s) return s;
    std::array<int, 6> six{};
    std::copy_n(fields_.begin(), 6, six.begin());
    std::sort(six.begin(), six.end());
    // A Swiss record's plus byte stays as stored.
    Draw entered = archive_.draw(e_);
    for (int k = 0; k < 6; ++k) entered.numbers[k] = static_cast<uint8_t>(six[static_cast<size_t>(k)]);
    const int extra = fields_[6];
    entered.extra = static_cast<uint8_t>(extra_is_superzahl(params_, e_) && extra == 0 ? 10 : extra);
    archive_.set_draw(e_, entered);
    // A correction of an older draw leaves the range alone; a new newest draw
    // extends it.
    if (is_new) extend_range_to_newest();
    store_side_numbers();
    if (params_.austria) archive_.merge_bonus_draws();
    archive_.set_saved(false);
    cursor_ = 0;
    typed_.clear();
    return {};
}

void DrawEntry::store_side_numbers() {
    bool changed = false;
    auto store = [&changed](const std::string& box, int digits, int32_t current, int index,
                            int count, auto&& set) {
        if (index < 0 || index >= kMaxSideEntries) return;
        if (box.empty()) {
            // An emptied box clears the number but keeps the file's count.
            if (current != -1 && index < count) {
                set(-1);
                changed = true;
            }
            return;
        }
        // Only a complete number (all its digits) is stored: a half-typed
        // "98" stays in the box and never becomes 0000098.
        if (box.size() != static_cast<size_t>(digits)) return;
        if (auto v = box_value(box); v && *v != current) {
            set(*v);
            changed = true;
        }
    };
    const bool german = is_german_game(params_.code);
    store(side_box, german ? 7 : 6, archive_.side_number(e_), e_ + archive_.side_offset(),
          archive_.side_count(), [&](int32_t v) { archive_.set_side_number(e_, v); });
    if (german)
        store(super6_box, 6, archive_.super6_number(e_), e_ + archive_.super6_offset(),
              archive_.super6_count(), [&](int32_t v) { archive_.set_super6_number(e_, v); });
    if (plus_boxes_usable()) {
        std::array<uint8_t, 6> plus{};
        for (int k = 0; k < 6; ++k) {
            const auto v = box_value(plus_boxes[static_cast<size_t>(k)]);
            plus[static_cast<size_t>(k)] = v && *v >= 1 && *v <= 45 ? static_cast<uint8_t>(*v) : 0;
        }
        std::sort(plus.begin(), plus.end());
        // Only six different numbers are taken.
        const bool complete =
            plus[0] != 0 && std::adjacent_find(plus.begin(), plus.end()) == plus.end();
        uint8_t* stored = archive_.lotto_plus_mut(e_);
        const int index = e_ - kLottoPlusStart;
        if (complete && (!std::equal(plus.begin(), plus.end(), stored) ||
                         index >= archive_.lotto_plus_count())) {
            std::memcpy(stored, plus.data(), 6);
            if (archive_.lotto_plus_count() < index + 1) archive_.set_lotto_plus_count(index + 1);
            changed = true;
        }
    }
    if (!changed) return;
    archive_.set_saved(false);
    if (params_.austria) archive_.merge_bonus_draws();
}

bool DrawEntry::side_box_usable() const {
    const int i = e_ + archive_.side_offset();
    return !params_.info().side_file.empty() && i >= 0 && i < kMaxSideEntries;
}

bool DrawEntry::super6_box_usable() const {
    const int i = e_ + archive_.super6_offset();
    return is_german_game(params_.code) && !params_.info().super6_file.empty() && i >= 0 &&
           i < kMaxSideEntries;
}

bool DrawEntry::plus_boxes_usable() const {
    return params_.austria && e_ >= kLottoPlusStart && e_ - kLottoPlusStart < kMaxLottoPlus;
}

bool DrawEntry::can_delete() const {
    if (e_ >= 1 && e_ == archive_.newest()) return true;
    const int i = e_ + archive_.side_offset();
    return i >= 0 && archive_.side_count() > 0 && i == archive_.side_count() - 1;
}

bool DrawEntry::delete_entry() {
    // Clears entry i of a side table; the count shrinks when it was the last entry.
    auto clear_side = [](int index, int count, int32_t current, auto&& set_count, auto&& set) {
        if (index < 0 || index >= kMaxSideEntries) return;
        if (index == count - 1)
            set_count(count - 1);
        else if (current != -1)
            set(-1);
    };
    if (e_ >= 1 && e_ == archive_.newest()) {
        archive_.remove_newest();
        if (uint8_t* plus = params_.austria ? archive_.lotto_plus_mut(e_) : nullptr) {
            std::memset(plus, 0, 6);
            if (e_ - kLottoPlusStart == archive_.lotto_plus_count() - 1)
                archive_.set_lotto_plus_count(archive_.lotto_plus_count() - 1);
        }
        clear_side(e_ + archive_.side_offset(), archive_.side_count(), archive_.side_number(e_),
                   [&](int c) { archive_.set_side_count(c); },
                   [&](int32_t v) { archive_.set_side_number(e_, v); });
        if (is_german_game(params_.code))
            clear_side(e_ + archive_.super6_offset(), archive_.super6_count(),
                       archive_.super6_number(e_), [&](int c) { archive_.set_super6_count(c); },
                       [&](int32_t v) { archive_.set_super6_number(e_, v); });
        // The range must not reach beyond the archive any more.
        const int end = archive_.newest() + (params_.austria ? archive_.bonus_count() : 0);
        if (range_.last > end) range_.set(range_.first, end);
        if (params_.austria) archive_.merge_bonus_draws();
    } else if (const int i = e_ + archive_.side_offset();
               i >= 0 && archive_.side_count() > 0 && i == archive_.side_count() - 1) {
        archive_.set_side_count(archive_.side_count() - 1);
        if (params_.austria) archive_.merge_bonus_draws();
    } else {
        return false;
    }
    archive_.set_saved(false);
    show_entry_draw();
    return true;
}

bool fetch_offered(const GameParams& params, const DrawArchive& archive, int e, int32_t today) {
    if (e < 1 || e > archive.capacity()) return false;
    if (params.swiss && e != archive.next_draw()) return false;
    const CivilDate now{today / 10000, today / 100 % 100, today % 100};
    const int64_t age = days_from_civil(now) - days_from_civil(draw_date(params.code, e).date);
    const bool twice_a_week = params.code == kAustria || params.code == kLottoBoth || params.swiss;
    return age >= 0 && age <= (twice_a_week ? 3 : 6);
}

}  // namespace zw
