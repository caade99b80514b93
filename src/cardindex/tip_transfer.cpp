#include "cardindex/tip_transfer.h"

#include <algorithm>

#include "games/game_catalogue.h"

namespace zw {

std::array<std::string, kMaxJokers> joker_texts(const CardTicket& t) {
    std::array<std::string, kMaxJokers> out;
    auto six = [](int64_t v) {
        const std::string s = "00000" + std::to_string(v);
        return s.substr(s.size() - 6);
    };
    for (size_t i = 0; i < out.size(); ++i)
        if (t.jokers[i] >= 0) out[i] = six(t.jokers[i]);
    if (t.lottery >= 1) out[0] = six(t.lottery);
    return out;
}

int import_row_limit(GameCode game) { return game == kAustria || game == kSwiss ? kSwissCardRows : 16; }

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The six numbers of a line, 0 for those not found.
std::array<int, 6> scan_line(std::string_view line) {
    std::array<int, 6> numbers{};
    const size_t end = std::min<size_t>(line.size(), 200);
    size_t i = 0, found = 0;
    while (found < numbers.size() && i < end) {
        if (!is_digit(line[i])) {
            ++i;
            continue;
        }
        int v = line[i] - '0';
        if (i + 1 < end && is_digit(line[i + 1])) v = v * 10 + (line[i + 1] - '0');
        numbers[found++] = v;
        while (i < end && is_digit(line[i])) ++i;
    }
    return numbers;
}

}  // namespace

ImportResult parse_import_rows(std::string_view text, GameCode game) {
    return parse_import_rows(text, game_params(game).highest_number, static_cast<size_t>(import_row_limit(game)));
}

ImportResult parse_import_rows(std::string_view text, int highest, size_t limit) {
    ImportResult r;
    size_t pos = 0;
    while (pos < text.size() && r.rows.size() < limit) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view line = text.substr(pos, nl - pos);
        pos = nl + 1;
        ++r.lines;
        std::array<int, 6> n = scan_line(line);
        std::sort(n.begin(), n.end());
        bool valid = true;
        for (size_t i = 0; i < n.size(); ++i) {
            if (n[i] < 1 || n[i] > highest) valid = false;
            if (i > 0 && n[i] == n[i - 1]) valid = false;
        }
        if (!valid) {
            ++r.skipped;
            continue;
        }
        CardRow row{};
        for (size_t i = 0; i < n.size(); ++i) row[i] = static_cast<uint8_t>(n[i]);
        r.rows.push_back(row);
    }
    return r;
}

std::string import_rows_text(const std::vector<std::vector<int>>& rows, bool csv) {
    std::string out;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += csv ? ';' : ' ';
            out += std::to_string(row[i]);
        }
        out += '\n';
    }
    return out;
}

std::optional<ImportResult> import_rows_file(const fs::path& path, GameCode game) {
    const auto bytes = read_file(path, 16u << 20);
    if (!bytes) return std::nullopt;
    return parse_import_rows(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), game);
}

std::string import_file_name(std::string name) {
    const std::string upper = to_upper_ascii(name);
    auto ends = [&](std::string_view ext) {
        return upper.size() >= ext.size() && upper.compare(upper.size() - ext.size(), ext.size(), ext) == 0;
    };
    if (!ends(".TXT") && !ends(".CSV")) name += ".TXT";
    return name;
}

std::string import_message(const ImportResult& r) {
    if (r.rows.empty()) return "Die Datei enthält keine gültige Reihe.|Der Tippschein bleibt unverändert.";
    return std::to_string(r.rows.size()) + (r.rows.size() == 1 ? " Reihe wurde importiert." : " Reihen wurden importiert.");
}

OnlineTip online_tip_address(const OnlineTipConfig& config, GameCode game, const CardTicket& t) {
    OnlineTip tip;
    if (!is_german_lotto(game)) {
        tip.message = "Online-Tipps gibt es nur für Lotto 6 aus 49.";
        return tip;
    }
    std::vector<const CardRow*> rows;
    for (size_t r = 0; r < 12; ++r)
        if (row_complete(t.rows[r], false)) rows.push_back(&t.rows[r]);
    if (rows.empty()) {
        tip.message = "Der Tippschein hat keine vollständige Reihe.";
        return tip;
    }
    if (config.shop.empty()) {
        tip.message = "Keine Adresse für den Online-Tipp eingetragen.|(Ziehwerk.ini, Abschnitt [OnlineTipp], Eintrag Shop)";
        return tip;
    }
    auto flag = [](bool on) { return on ? "true" : "false"; };
    static constexpr std::array<const char*, 3> cycles = {"saturday", "wednesday", "both"};
    std::string a = config.shop + "?target=ticket";
    a += "&lotto_numberOfBlocks=" + std::to_string(rows.size());
    a += "&lotto_numberOfTickets=1";
    a += std::string("&lotto_super6=") + flag(t.options & kOptSuper6);
    a += std::string("&lotto_spiel77=") + flag(t.options & kOptSpiel77);
    a += "&lotto_subscription=false&lotto_jackpotHunter=false";
    a += "&lotto_duration=" + std::to_string(std::min(t.weeks(), 4));
    a += std::string("&lotto_drawCycle=") + (t.draw_days <= 2 ? cycles[t.draw_days] : "next");
    for (size_t k = 0; k < rows.size(); ++k) {
        a += "&lotto_block";
        a += std::to_string(k + 1);
        a += '=';
        for (size_t i = 0; i < 6; ++i) {
            if (i) a += '|';
            a += std::to_string((*rows[k])[i]);
        }
    }
    a += "&partnerId=" + config.partner_id + "&affiliateId=" + config.affiliate_id;
    tip.address = a;
    return tip;
}

}  // namespace zw
