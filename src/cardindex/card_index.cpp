#include "cardindex/card_index.h"

#include <algorithm>

#include "games/game_catalogue.h"
#include "games/system_catalogue.h"

namespace zw {

std::array<uint32_t, 2> pack_field(const SystemField& f, bool swiss) {
    uint32_t low = f.in_use ? 1u : 0u;
    uint32_t high = static_cast<uint32_t>(f.size & 0x1f) | (static_cast<uint32_t>(f.type & 0x1f) << 6);
    if (f.kind_flag) high |= 1u << 11;
    if (f.full) high |= 1u << 12;
    for (const uint8_t n : f.numbers) {
        if (n >= 1 && n <= 31) low |= 1u << n;
        else if (n >= 32 && n <= (swiss ? 42 : 49)) high |= 1u << (13 + n - 32);
    }
    if (swiss && f.lucky >= 1 && f.lucky <= 6) high |= 1u << (24 + f.lucky - 1);
    return {low, high};
}

SystemField s_fill(uint32_t low, uint32_t high, bool swiss) {
    SystemField f;
    f.in_use = low & 1u;
    f.size = static_cast<int>(high & 0x1f);
    f.type = static_cast<int>((high >> 6) & 0x1f);
    f.kind_flag = (high >> 11) & 1u;
    f.full = (high >> 12) & 1u;
    auto take = [&](int number) {
        if (f.numbers.size() < static_cast<size_t>(kFieldMaxNumbers))
            f.numbers.push_back(static_cast<uint8_t>(number));
    };
    for (int bit = 1; bit <= 31; ++bit)
        if (low & (1u << bit)) take(bit);
    // Swiss numbers end at 42 (bit 23); the bits above hold the lucky number.
    const int last_bit = swiss ? 23 : 30;
    for (int bit = 13; bit <= last_bit; ++bit)
        if (high & (1u << bit)) take(32 + bit - 13);
    if (swiss)
        for (int g = 0; g < 6; ++g)
            if (high & (1u << (24 + g))) {
                f.lucky = g + 1;
                break;
            }
    return f;
}

int max_extra_weeks(GameCode game) {
    if (game == kAustria) return 9;
    if (game == kSwiss) return 19;
    return 7;
}

int card_row_slots(GameCode game) { return game == kSwiss ? kSwissCardRows : kCardRows; }
int evaluated_row_slots(GameCode game) { return game == kSwiss || game == kAustria ? kSwissCardRows : kCardRows; }

bool row_complete(const CardRow& row, bool swiss) {
    for (int i = 0; i < 6; ++i)
        if (row[static_cast<size_t>(i)] == 0) return false;
    return !swiss || row[6] != 0;
}

std::vector<uint8_t> row_numbers(const CardRow& row) {
    std::vector<uint8_t> out;
    for (int i = 0; i < 6 && row[static_cast<size_t>(i)] != 0; ++i) out.push_back(row[static_cast<size_t>(i)]);
    return out;
}

CardTicket make_normal_card(const std::vector<CardRow>& rows, GameCode game) {
    CardTicket t;
    const size_t slots = std::min(rows.size(), static_cast<size_t>(card_row_slots(game)));
    for (size_t i = 0; i < slots; ++i) {
        t.rows[i] = rows[i];
        if (game != kSwiss) t.rows[i][6] = 0;
    }
    return t;
}

StoreOutcome CardIndex::store(int position, const CardTicket& ticket) {
    if (position < 0 || position > count()) return StoreOutcome::BadPosition;
    if (position == count()) {
        if (full()) return StoreOutcome::Full;
        tickets_.push_back(ticket);
        saved_ = false;
        return StoreOutcome::Added;
    }
    if (tickets_[static_cast<size_t>(position)].protected_card) return StoreOutcome::Protected;
    tickets_[static_cast<size_t>(position)] = ticket;
    saved_ = false;
    return StoreOutcome::Overwritten;
}

bool CardIndex::replace(int position, const CardTicket& ticket) {
    if (position < 0 || position >= count()) return false;
    CardTicket& t = tickets_[static_cast<size_t>(position)];
    if (t.protected_card) return false;
    t = ticket;
    saved_ = false;
    return true;
}

bool CardIndex::set_protected(int position, bool on) {
    if (position < 0 || position >= count()) return false;
    CardTicket& t = tickets_[static_cast<size_t>(position)];
    if (t.protected_card != on) saved_ = false;
    t.protected_card = on;
    return true;
}

StoreOutcome CardIndex::remove(int position) {
    if (position < 0 || position >= count()) return StoreOutcome::BadPosition;
    if (tickets_[static_cast<size_t>(position)].protected_card) return StoreOutcome::Protected;
    tickets_.erase(tickets_.begin() + position);
    saved_ = false;
    return StoreOutcome::Overwritten;
}

void CardIndex::clear() {
    tickets_.clear();
    members_ = 1;
    capital_ = 0;
    saved_ = true;
}

void CardIndex::assign(std::vector<CardTicket> tickets, int16_t members, int32_t capital) {
    tickets_ = std::move(tickets);
    if (tickets_.size() > static_cast<size_t>(kCardCapacity)) tickets_.resize(kCardCapacity);
    members_ = std::max<int16_t>(members, 1);
    capital_ = capital;
    saved_ = true;
}

void CardIndex::set_pool(int members, int64_t capital) {
    const auto m = static_cast<int16_t>(std::clamp(members, 1, 32767));
    const auto c = static_cast<int32_t>(std::clamp<int64_t>(capital, INT32_MIN, INT32_MAX));
    if (m != members_ || c != capital_) saved_ = false;
    members_ = m;
    capital_ = c;
}

std::vector<std::string> convert_system_types(CardIndex& index, GameCode game, int old_bundesland, int new_bundesland) {
    std::vector<std::string> kept;
    const LabelFamily from = label_family(game, old_bundesland), to = label_family(game, new_bundesland);
    if (index.kind() != CardKind::System || from == to) return kept;
    for (int t = 0; t < index.count(); ++t)
        for (int f = 0; f < kCardFields; ++f) {
            const SystemField& field = index.at(t).fields[static_cast<size_t>(f)];
            if (!field.in_use || field.full) continue;
            const int moved = from_partial_index(to, to_partial_index(from, field.type));
            if (moved < 0) {
                kept.push_back("Schein " + std::to_string(t + 1) + ", Feld " + std::to_string(f + 1) + ": " +
                               std::string(system_name(from, field.type)) + " gibt es hier nicht.");
                continue;
            }
            if (moved != field.type) index.edit(t).fields[static_cast<size_t>(f)].type = moved;
        }
    return kept;
}

std::string default_card_file(GameCode game, CardKind kind) {
    const GameInfo& g = game_info(game);
    return std::string(kind == CardKind::Normal ? g.nrm_file : g.sys_file);
}

namespace {

// Card files of the sibling module programs (football pools, KENO, European lotteries).
constexpr std::array<std::string_view, 5> kSiblingNormalNames = {
    "E_KARTEI.NRM", "D_KARTEI.NRM", "K_KARTEI.NRM", "EUKARTEI.NRM", "J_KARTEI.NRM"};
constexpr std::array<std::string_view, 3> kSiblingSystemNames = {"E_KARTEI.SYS", "K_KARTEI.SYS",
                                                                 "EUKARTEI.SYS"};

}  // namespace

Status check_card_name(const std::string& file_name, GameCode game, CardKind kind) {
    const std::string name = to_upper_ascii(fs::path(file_name).filename().string());
    const std::string ext = kind == CardKind::Normal ? ".NRM" : ".SYS";
    if (name.size() <= ext.size() || name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
        return Status::failure(kBadCardName);
    if (name == to_upper_ascii(default_card_file(game, kind))) return {};
    for (GameCode g : kGames)
        if (name == to_upper_ascii(default_card_file(g, kind))) return Status::failure(kBadCardName);
    if (kind == CardKind::Normal) {
        for (auto s : kSiblingNormalNames)
            if (name == s) return Status::failure(kBadCardName);
    } else {
        for (auto s : kSiblingSystemNames)
            if (name == s) return Status::failure(kBadCardName);
    }
    return {};
}

}  // namespace zw
