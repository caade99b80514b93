#include "tipping/ticket_options.h"

#include <algorithm>
#include <cctype>

#include "games/game_catalogue.h"

namespace zw {
namespace {

bool all_digits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// The number written with at least six digits (leading zeros), never cut.
std::string at_least_six_digits(int32_t value) {
    std::string s = std::to_string(std::max(value, 0));
    return s.size() < 6 ? std::string(6 - s.size(), '0') + s : s;
}

constexpr std::array<uint8_t, 8> kAustrianJokerFields = {10, 5, 4, 3, 2, 1, 0, 0};

}  // namespace

int TicketOptions::draws(GameCode game) const {
    return weeks() * (offers_both_draw_days(game) && draw_days == 2 ? 2 : 1);
}

int duration_field_count(const GameParams& params) {
    return params.austria || params.swiss ? 10 : 8;
}

int duration_weeks(const GameParams& params, int field) {
    if (field < 1 || field > duration_field_count(params)) return 0;
    if (params.swiss && field == 9) return 10;
    if (params.swiss && field == 10) return 20;
    return field;
}

void step_duration(TicketOptions& o, const GameParams& params) {
    const int fields = duration_field_count(params);
    int next = 1;
    for (int f = 1; f <= fields; ++f) {
        if (duration_weeks(params, f) == o.weeks()) {
            next = f == fields ? 1 : f + 1;
            break;
        }
    }
    o.extra_weeks = duration_weeks(params, next) - 1;
}

OptionFollowUp apply_option(TicketOptions& o, const OptionField& field, const GameParams& params,
                            bool system_mode) {
    const bool german = is_german_game(params.code);
    const bool yes = field.value != 0;
    switch (field.kind) {
        case OptionKind::kDuration:
            if (const int w = duration_weeks(params, field.value); w > 0) o.extra_weeks = w - 1;
            break;
        case OptionKind::kDrawDays:
            // Mi+Sa only where the archive holds both draw days.
            if (german && field.value >= 0 && (field.value <= 1 || (field.value == 2 && offers_both_draw_days(params.code))))
                o.draw_days = static_cast<int16_t>(field.value);
            break;
        case OptionKind::kSpiel77:
            if (german) o.spiel77 = yes;
            break;
        case OptionKind::kSuper6:
            if (german) o.super6 = yes;
            break;
        case OptionKind::kGluecksSpirale:
            if (!german) break;
            if (yes) {
                o.gluecksspirale = true;
                if (system_mode) return OptionFollowUp::kAskSiegerChance;
            } else {
                o.gluecksspirale = o.siegerchance = false;
            }
            break;
        case OptionKind::kSiegerChance:
            if (!german) break;
            o.siegerchance = yes;
            if (yes) o.gluecksspirale = true;
            break;
        case OptionKind::kJoker:
            if (params.austria && field.value >= 0 && field.value < 8)
                o.joker_count = kAustrianJokerFields[static_cast<size_t>(field.value)];
            break;
        case OptionKind::kLottoPlus:
            if (params.austria) o.lotto_plus = yes;
            break;
        case OptionKind::kSwissJoker:
            if (!params.swiss) break;
            if (field.value >= 1 && field.value <= 3)
                o.swiss_joker_bits = static_cast<uint8_t>(o.swiss_joker_bits ^ (1u << field.value));
            else if (field.value == 0)
                o.swiss_joker_bits = 0;
            break;
        case OptionKind::kLotteryNumber:
            return params.austria ? OptionFollowUp::kJokerDialog : OptionFollowUp::kLotteryDialog;
        case OptionKind::kSuperNumber:
            if (params.german_lotto) return OptionFollowUp::kSuperDialog;
            break;
    }
    return OptionFollowUp::kNone;
}

uint8_t next_joker_count(uint8_t count) {
    if (count < 5) return static_cast<uint8_t>(count + 1);
    return count == 5 ? 10 : 0;
}

std::optional<OptionFollowUp> apply_option_key(TicketOptions& o, char key, const GameParams& params,
                                               bool system_mode) {
    const auto field = [&](OptionKind k, int v) { return apply_option(o, {k, v}, params, system_mode); };
    if (params.austria) {
        switch (key) {
            case 'j': o.joker_count = next_joker_count(o.joker_count); return OptionFollowUp::kNone;
            case 'n': o.joker_count = 0; return OptionFollowUp::kNone;
            case 'J': return field(OptionKind::kLottoPlus, 1);
            case 'N': return field(OptionKind::kLottoPlus, 0);
            default: return std::nullopt;
        }
    }
    if (params.swiss) {
        switch (key) {
            case 'j':  // the next Joker field that is not yet played
                for (int bit = 1; bit <= 3; ++bit)
                    if (!(o.swiss_joker_bits & (1u << bit))) return field(OptionKind::kSwissJoker, bit);
                return OptionFollowUp::kNone;
            case 'n': case 'N': return field(OptionKind::kSwissJoker, 0);
            default: return std::nullopt;
        }
    }
    switch (key) {
        case 'g': return field(OptionKind::kGluecksSpirale, 1);
        case 'G': return field(OptionKind::kGluecksSpirale, 0);
        case 's': return field(OptionKind::kSiegerChance, 1);
        case 'S': return field(OptionKind::kSiegerChance, 0);
        case 'm': return field(OptionKind::kDrawDays, 1);
        case 'a': return field(OptionKind::kDrawDays, 0);
        case 'M': return field(OptionKind::kDrawDays, 2);
        case 'j': return field(OptionKind::kSpiel77, 1);
        case 'n': return field(OptionKind::kSpiel77, 0);
        case 'J': return field(OptionKind::kSuper6, 1);
        case 'N': return field(OptionKind::kSuper6, 0);
        default: return std::nullopt;
    }
}

std::string lottery_number_preset(const TicketOptions& o, const GameParams& params) {
    const std::string text = at_least_six_digits(o.lottery_number);
    const size_t keep = params.austria || params.swiss ? 6 : 7;
    return text.size() > keep ? text.substr(text.size() - keep) : text;
}

bool apply_lottery_number(TicketOptions& o, const std::string& text) {
    const std::string t = trimmed(text);
    const std::string head = t.substr(0, std::min<size_t>(t.size(), 7));
    if (t.size() > 7 || !all_digits(head)) return false;
    o.lottery_number = head.empty() ? 0 : std::stoi(head);
    o.super_number = static_cast<uint8_t>(o.lottery_number % 10);
    return true;
}

bool apply_super_number(TicketOptions& o, const std::string& text) {
    const std::string t = trimmed(text);
    if (t.size() != 1 || !all_digits(t)) return false;
    const int digit = t[0] - '0';
    o.super_number = static_cast<uint8_t>(digit);
    // The number written with at least six digits: the first six of its last
    // seven characters, then the super number.
    std::string s = at_least_six_digits(o.lottery_number);
    if (s.size() > 7) s = s.substr(s.size() - 7);
    s = s.substr(0, std::min<size_t>(s.size(), 6)) + static_cast<char>('0' + digit);
    o.lottery_number = std::stoi(s);
    return true;
}

int apply_joker_numbers(TicketOptions& o, const std::array<std::string, 10>& fields) {
    std::array<std::string, 10> stored;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string t = trimmed(fields[i]);
        if (t.empty()) continue;
        if (t.size() > 6 || !all_digits(t)) return static_cast<int>(i) + 1;
        const std::string padded = "00000" + t;
        stored[i] = padded.substr(padded.size() - 6);
    }
    o.joker_numbers = stored;
    o.lottery_number = stored[0].empty() ? 0 : std::stoi(stored[0]);
    return 0;
}

bool option_chosen(const OptionField& f, const TicketOptions& o, const GameParams& params) {
    switch (f.kind) {
        case OptionKind::kDuration: return duration_weeks(params, f.value) == o.weeks();
        case OptionKind::kDrawDays: return o.draw_days == f.value;
        case OptionKind::kSpiel77: return o.spiel77 == (f.value != 0);
        case OptionKind::kSuper6: return o.super6 == (f.value != 0);
        case OptionKind::kGluecksSpirale: return o.gluecksspirale == (f.value != 0);
        case OptionKind::kSiegerChance: return o.siegerchance == (f.value != 0);
        case OptionKind::kJoker: {
            static constexpr int counts[] = {10, 5, 4, 3, 2, 1, 0, -1};
            return f.value >= 0 && f.value < 8 && counts[f.value] == o.joker_count;
        }
        case OptionKind::kLottoPlus: return o.lotto_plus == (f.value != 0);
        case OptionKind::kSwissJoker:
            return f.value == 0 ? (o.swiss_joker_bits & 0x0e) == 0 : (o.swiss_joker_bits >> f.value) & 1;
        default: return false;
    }
}

}  // namespace zw
