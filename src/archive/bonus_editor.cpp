#include "archive/bonus_editor.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "archive/calendar.h"
#include "games/capacity.h"

namespace zw {
namespace {

constexpr int kHighest = 45;  // Austrian Lotto 6 aus 45

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::optional<int> number_of(const std::string& box) {
    const std::string t = trim(box);
    int v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
    return v;
}

// Six (or seven) numbers 1..45, all different; nullopt otherwise.
template <size_t N>
std::optional<std::array<uint8_t, N>> distinct_numbers(const std::array<std::string, N>& boxes) {
    std::array<uint8_t, N> out{};
    for (size_t k = 0; k < N; ++k) {
        const auto v = number_of(boxes[k]);
        if (!v || *v < 1 || *v > kHighest) return std::nullopt;
        out[k] = static_cast<uint8_t>(*v);
    }
    auto sorted = out;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return std::nullopt;
    return out;
}

}  // namespace

BonusEditor::BonusEditor(std::vector<BonusDraw> draws) : draws_(std::move(draws)) {
    if (draws_.size() > static_cast<size_t>(kMaxBonusDraws)) draws_.resize(kMaxBonusDraws);
}

Status BonusEditor::take(const BonusRowInput& row, int selected) {
    const bool append = selected < 0 || selected >= count();
    if (append && count() >= kMaxBonusDraws)
        return Status::failure("Es sind höchstens " + std::to_string(kMaxBonusDraws) +
                               " Bonus-Ziehungen möglich.|Bitte zuerst die letzte entfernen.");
    const std::string date = trim(row.date);
    if (date.size() != 10 || key_from_date_text(date) == 0)
        return Status::failure("Das Datum muss die Form TT.MM.JJJJ haben.");
    // The reader drops a line with a day the calendar does not have, so the
    // editor must not take one either.
    if (!is_real_date_text(date))
        return Status::failure("Diesen Tag gibt es nicht: " + date + ".");
    const std::string joker = trim(row.joker);
    int32_t joker_value = -1;
    if (!joker.empty()) {
        if (joker.size() != 6 || !std::all_of(joker.begin(), joker.end(),
                                              [](char c) { return c >= '0' && c <= '9'; }))
            return Status::failure("Die JOKER-Zahl muss sechs Ziffern haben.");
        joker_value = std::stoi(joker);
    }
    const auto seven = distinct_numbers(row.numbers);
    if (!seven)
        return Status::failure("Die sechs Zahlen und die Zusatzzahl müssen|"
                               "verschiedene Zahlen von 1 bis 45 sein.");
    std::array<uint8_t, 6> plus{};
    const bool no_plus = std::all_of(row.plus.begin(), row.plus.end(),
                                     [](const std::string& s) { return trim(s).empty(); });
    if (!no_plus) {
        const auto six = distinct_numbers(row.plus);
        if (!six)
            return Status::failure("Die LottoPlus-Zahlen müssen sechs|"
                                   "verschiedene Zahlen von 1 bis 45 sein.");
        plus = *six;
        std::sort(plus.begin(), plus.end());
    }
    BonusDraw d;
    d.date = date;
    std::copy_n(seven->begin(), 7, d.numbers.begin());
    // The six numbers ascending; the Zusatzzahl stays last.
    std::sort(d.numbers.begin(), d.numbers.begin() + 6);
    d.plus = plus;
    d.joker = joker_value;
    if (append)
        draws_.push_back(std::move(d));
    else
        draws_[static_cast<size_t>(selected)] = std::move(d);
    return {};
}

bool BonusEditor::remove_last() {
    if (draws_.empty()) return false;
    draws_.pop_back();
    return true;
}

BonusRowInput BonusEditor::input_of(const BonusDraw& d) {
    BonusRowInput in;
    in.date = d.date;
    for (size_t k = 0; k < 7; ++k) in.numbers[k] = d.numbers[k] ? std::to_string(d.numbers[k]) : "";
    for (size_t k = 0; k < 6; ++k) in.plus[k] = d.plus[k] ? std::to_string(d.plus[k]) : "";
    if (d.joker >= 0) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%06d", d.joker);
        in.joker = buf;
    }
    return in;
}

std::string format_bonus_file(std::vector<BonusDraw> draws) {
    // The combined view merges bonus draws by date and expects them in order.
    std::stable_sort(draws.begin(), draws.end(), [](const BonusDraw& a, const BonusDraw& b) {
        return key_from_date_text(a.date) < key_from_date_text(b.date);
    });
    std::string out;
    char buf[16];
    for (const BonusDraw& d : draws) {
        const std::string padded = "00.00.0000" + d.date;
        out += padded.substr(padded.size() - 10);
        for (uint8_t n : d.numbers) {
            std::snprintf(buf, sizeof buf, ",%2d", n);
            out += buf;
        }
        for (uint8_t n : d.plus) {
            std::snprintf(buf, sizeof buf, ",%2d", n);
            out += buf;
        }
        if (d.joker >= 0)
            std::snprintf(buf, sizeof buf, ",%06d", d.joker);
        else
            std::snprintf(buf, sizeof buf, ",-1");
        out += buf;
        out += '\n';
    }
    return out;
}

Status save_bonus_file(const fs::path& folder, const std::vector<BonusDraw>& draws) {
    std::string text = format_bonus_file(draws);
    // Lines of the old file that could not be read are the user's: they go back as read.
    if (const auto old = find_file(folder, "OB_Lotto.Dat")) {
        const auto bytes = read_file(*old, 1u << 20);
        if (!bytes)
            return Status::failure("Die Datei " + old->filename().string() +
                                   " kann nicht gelesen werden und wird nicht überschrieben.");
        const auto parsed = parse_bonus_draws(
            std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        for (const auto& line : parsed.refused_lines) (text += line) += '\n';
    }
    return write_file_atomic(path_for_write(folder, "OB_Lotto.Dat"), text);
}

}  // namespace zw
