#include <gtest/gtest.h>

#include "cardindex/card_file.h"
#include "cardindex/card_store.h"
#include "cardindex/nrm_file.h"
#include "cardindex/sys_file.h"
#include "games/game_catalogue.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

CardTicket sample_ticket(GameCode game, int i) {
    CardTicket t;
    const int highest = game_params(game).highest_number;
    for (size_t r = 0; r < static_cast<size_t>(card_row_slots(game)); ++r)
        for (size_t k = 0; k < 6; ++k) t.rows[r][k] = static_cast<uint8_t>(1 + (i + r * 6 + k) % highest);
    for (size_t r = 0; r < static_cast<size_t>(card_row_slots(game)); ++r) {
        std::sort(t.rows[r].begin(), t.rows[r].begin() + 6);
        // Distinct by construction except where the modulus wraps; drop such rows.
        if (std::adjacent_find(t.rows[r].begin(), t.rows[r].begin() + 6) != t.rows[r].begin() + 6) t.rows[r].fill(0);
        if (game == kSwiss) t.rows[r][6] = static_cast<uint8_t>(1 + (i + r) % 6);
    }
    t.first_draw = static_cast<int16_t>(100 + i);
    t.stake = 1000 + i;
    t.winnings = -5 - i;
    t.draw_days = static_cast<uint8_t>(i % 3);
    t.extra_weeks = static_cast<uint8_t>(i % (max_extra_weeks(game) + 1));
    t.options = static_cast<uint8_t>(i % 10);
    t.lottery = 1234567 + i;
    t.protected_card = i % 3 == 1;
    if (game == kAustria)
        for (size_t k = 0; k < t.jokers.size(); ++k) t.jokers[k] = k % 2 ? -1 : static_cast<int32_t>(100000 + i + k);
    return t;
}

SystemField sample_field(GameCode game, int i) {
    SystemField f;
    f.in_use = true;
    const int highest = game_params(game).highest_number;
    for (int k = 0; k < 8; ++k) f.numbers.push_back(static_cast<uint8_t>(1 + (i + 5 * k) % highest));
    std::sort(f.numbers.begin(), f.numbers.end());
    f.numbers.erase(std::unique(f.numbers.begin(), f.numbers.end()), f.numbers.end());
    f.size = static_cast<int>(f.numbers.size());
    f.type = i % 19;
    f.full = i % 2;
    f.kind_flag = i % 4 == 0;
    if (game == kSwiss) f.lucky = 1 + i % 6;
    return f;
}

CardIndex filled(CardKind kind, GameCode game, int n) {
    CardIndex index(kind);
    std::vector<CardTicket> tickets;
    for (int i = 0; i < n; ++i) {
        CardTicket t = sample_ticket(game, i);
        if (kind == CardKind::System) {
            t.rows = {};
            for (int f = 0; f < 1 + i % kCardFields; ++f) t.fields[static_cast<size_t>(f)] = sample_field(game, i + f);
        }
        tickets.push_back(t);
    }
    index.assign(tickets, 3, 123456);
    return index;
}

TEST(CardFiles, NrmRoundTripsAtEveryLengthFormula) {
    for (GameCode game : {kLottoSaturday, kAustria, kSwiss}) {
        EXPECT_EQ(nrm_length(game, 0), 9u);
        for (int n : {0, 7, 8, 800}) {
            const CardIndex index = filled(CardKind::Normal, game, n);
            const auto bytes = encode_nrm(index, game);
            const size_t per = game == kAustria ? 165 : game == kSwiss ? 115 : 125;
            ASSERT_EQ(bytes.size(), per * n + n / 8 + 9) << game << " " << n;
            CardIndex back(CardKind::Normal);
            ASSERT_TRUE(decode_nrm(bytes, game, back).ok()) << game << " " << n;
            EXPECT_EQ(back.tickets(), index.tickets());
            EXPECT_EQ(back.members(), 3);
            EXPECT_EQ(back.capital(), 123456);
        }
    }
}

TEST(CardFiles, ProtectionBitsTakeNDivEightPlusOneBytes) {
    CardIndex seven = filled(CardKind::Normal, kLottoSaturday, 7);
    CardIndex eight = filled(CardKind::Normal, kLottoSaturday, 8);
    EXPECT_EQ(encode_nrm(eight, kLottoSaturday).size() - encode_nrm(seven, kLottoSaturday).size(), 125u + 1u);
    eight.set_protected(7, true);
    const auto bytes = encode_nrm(eight, kLottoSaturday);
    EXPECT_EQ(bytes[bytes.size() - 2] & 0x80, 0x80);  // ticket 8: bit 7 of the first byte
    EXPECT_EQ(bytes.back(), 0);
}

TEST(CardFiles, SysRoundTripsAtEveryLengthFormula) {
    for (GameCode game : {kLottoWednesday, kAustria, kSwiss}) {
        EXPECT_EQ(sys_length(game, 0), 9u);
        for (int m : {0, 7, 8, 800}) {
            const CardIndex index = filled(CardKind::System, game, m);
            const auto bytes = encode_sys(index, game);
            const size_t per = game == kAustria ? 105 : 65;
            ASSERT_EQ(bytes.size(), per * m + m / 8 + 9);
            CardIndex back(CardKind::System);
            ASSERT_TRUE(decode_sys(bytes, game, back).ok()) << game << " " << m;
            EXPECT_EQ(back.tickets(), index.tickets());
        }
    }
}

TEST(CardFiles, SystemFieldPacking) {
    SystemField all;
    all.in_use = true;
    for (int n = 1; n <= 27; ++n) all.numbers.push_back(static_cast<uint8_t>(n));
    all.size = 26;
    const auto words = pack_field(all, false);
    const SystemField back = s_fill(words[0], words[1], false);
    ASSERT_EQ(back.numbers.size(), 26u);  // the 27th number is not kept
    EXPECT_EQ(back.numbers.back(), 26);
    // A 27th crossed bit in a file is ignored as well.
    EXPECT_EQ(s_fill(0xffffffffu, (1u << 13) | 26u, false).numbers.size(), 26u);

    SystemField swiss;
    swiss.in_use = true;
    for (int n = 1; n <= 42; ++n) swiss.numbers.push_back(static_cast<uint8_t>(n));
    swiss.lucky = 6;
    const auto sw = pack_field(swiss, true);
    EXPECT_EQ(sw[0], 0xffffffffu);  // in use and numbers 1..31
    uint32_t high = 0;
    for (int b = 13; b <= 23; ++b) high |= 1u << b;
    high |= 1u << 29;
    EXPECT_EQ(sw[1], high);
    const SystemField grid = s_fill(sw[0], sw[1], true);
    EXPECT_EQ(grid.lucky, 6);
    ASSERT_EQ(grid.numbers.size(), 26u);
    EXPECT_EQ(grid.numbers.back(), 26);

    SystemField f = sample_field(kLottoSaturday, 3);
    f.numbers = {3, 31, 32, 49, 40, 45, 46, 47};
    std::sort(f.numbers.begin(), f.numbers.end());
    f.size = 8;
    f.type = 17;
    f.full = true;
    f.kind_flag = true;
    const auto w = pack_field(f, false);
    EXPECT_EQ(w[0], 1u | (1u << 3) | (1u << 31));
    EXPECT_EQ(w[1] & 0x1fu, 8u);
    EXPECT_EQ((w[1] >> 6) & 0x1fu, 17u);
    EXPECT_TRUE(w[1] & (1u << 13));  // 32
    EXPECT_TRUE(w[1] & (1u << 30));  // 49
    EXPECT_EQ(s_fill(w[0], w[1], false), f);
}

// An older NRM image: rows of `row_count` x 6 bytes (Switzerland 7), 16-bit
// stakes (Switzerland 32-bit), one byte per option, weeks in the lottery's top byte.
std::vector<uint8_t> older_nrm(int n, int row_count, int width, int stake_bytes, int option_bytes, bool protection,
                               bool jokers) {
    std::vector<uint8_t> out;
    put_i16(out, static_cast<int16_t>(n));
    for (int i = 0; i < n; ++i)
        for (int r = 0; r < row_count; ++r)
            for (int b = 0; b < width; ++b) out.push_back(b < 6 ? static_cast<uint8_t>(r + 1 + 5 * b) : 3);
    for (int i = 0; i < n; ++i) put_i16(out, static_cast<int16_t>(50 + i));
    for (int i = 0; i < n; ++i) stake_bytes == 2 ? put_i16(out, 480) : put_i32(out, 480);
    for (int i = 0; i < n; ++i) put_i32(out, 70);
    for (int i = 0; i < n; ++i) out.push_back(2);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < option_bytes; ++k) out.push_back(k == 0 ? 1 : k == 1 ? 0xff : 0);
    for (int i = 0; i < n; ++i) put_i32(out, static_cast<int32_t>((3u << 24) | 7654321u));
    put_i16(out, 4);
    put_i32(out, 999);
    if (protection) out.insert(out.end(), static_cast<size_t>(n / 8 + 1), 0x01);
    if (jokers)
        for (int i = 0; i < n * 10; ++i) put_i32(out, 42);
    return out;
}

TEST(CardFiles, OlderNrmLayoutsAreRecognisedByLengthAndConverted) {
    struct Case {
        GameCode game;
        int per_ticket, rows, width, stake, options;
        bool protection, jokers;
    };
    const std::vector<Case> cases = {
        {kLottoSaturday, 94, 12, 6, 2, 9, false, false},  {kLottoSaturday, 95, 12, 6, 2, 10, true, false},
        {kLottoSaturday, 107, 14, 6, 2, 10, true, false}, {kLottoBoth, 95, 12, 6, 2, 10, true, false},
        {kLottoWednesday, 94, 12, 6, 2, 9, false, false}, {kLottoWednesday, 95, 12, 6, 2, 10, false, false},
        {kLottoWednesday, 96, 12, 6, 2, 11, true, false}, {kLottoWednesday, 108, 14, 6, 2, 11, true, false},
        {kToto, 93, 12, 6, 2, 8, false, false},           {kToto, 94, 12, 6, 2, 9, false, false},
        {kToto, 95, 12, 6, 2, 10, true, false},           {kToto, 107, 14, 6, 2, 10, true, false},
        {kAustria, 107, 14, 6, 2, 10, true, false},       {kAustria, 147, 14, 6, 2, 10, true, true},
        {kSwiss, 127, 14, 7, 4, 14, true, false},
    };
    for (const Case& c : cases) {
        const int n = 9;
        const auto bytes = older_nrm(n, c.rows, c.width, c.stake, c.options, c.protection, c.jokers);
        ASSERT_EQ(bytes.size(), static_cast<size_t>(c.per_ticket * n + (c.protection ? n / 8 + 9 : 8)));
        CardIndex index(CardKind::Normal);
        ASSERT_TRUE(decode_nrm(bytes, c.game, index).ok()) << c.game << " " << c.per_ticket;
        ASSERT_EQ(index.count(), n);
        const CardTicket& t = index.at(0);
        EXPECT_EQ(t.rows[static_cast<size_t>(c.rows - 1)][0], c.rows);
        EXPECT_EQ(t.rows[static_cast<size_t>(c.rows)][0], 0);  // the rows the layout lacks stay empty
        EXPECT_EQ(t.stake, 480);
        EXPECT_EQ(t.extra_weeks, 3);
        EXPECT_EQ(t.lottery, 7654321);
        EXPECT_EQ(t.protected_card, c.protection);
        EXPECT_EQ(index.members(), 4);
        if (c.game == kAustria) {
            EXPECT_EQ(t.options, 1 | kOptLottoPlus);
            EXPECT_EQ(t.jokers[0], c.jokers ? 42 : -1);
        } else if (c.game == kSwiss) {
            EXPECT_EQ(t.options, 0x06);
            EXPECT_EQ(t.rows[0][6], 3);
        } else {
            EXPECT_EQ(t.options, kOptSpiel77 | kOptSuper6);
        }
    }
}

std::vector<uint8_t> older_sys(int m, int blocks, int option_bytes, bool jokers) {
    std::vector<uint8_t> out;
    put_i16(out, static_cast<int16_t>(m));
    SystemField f;
    f.in_use = true;
    f.numbers = {1, 2, 3, 4, 5, 6, 7};
    f.size = 7;
    f.full = true;
    const auto w = pack_field(f, false);
    for (int i = 0; i < m; ++i)
        for (int k = 0; k < kCardFields; ++k) {
            put_i32(out, static_cast<int32_t>(k == 0 ? w[0] : 0));
            put_i32(out, static_cast<int32_t>(k == 0 ? w[1] : 0));
        }
    for (int i = 0; i < m; ++i) put_i16(out, 9);
    for (int i = 0; i < m; ++i) put_i32(out, 840);
    for (int i = 0; i < m; ++i) put_i32(out, 0);
    out.insert(out.end(), static_cast<size_t>(m * 12 * blocks), 0xee);
    for (int i = 0; i < m; ++i) out.push_back(1);
    for (int i = 0; i < m; ++i) out.push_back(2);
    for (int i = 0; i < m; ++i)
        for (int k = 0; k < option_bytes; ++k) out.push_back(k == 1 ? 1 : 0);
    for (int i = 0; i < m; ++i) put_i32(out, 1111111);
    put_i16(out, 1);
    put_i32(out, 0);
    out.insert(out.end(), static_cast<size_t>(m / 8 + 1), 0);
    if (jokers) out.insert(out.end(), static_cast<size_t>(40 * m), 0xff);
    return out;
}

TEST(CardFiles, OlderSysLayoutsAreConverted) {
    struct Case {
        GameCode game;
        int per_ticket, blocks, options;
        bool jokers;
    };
    for (const Case& c : std::vector<Case>{{kLottoSaturday, 150, 7, 2, false},
                                           {kToto, 198, 11, 2, false},
                                           {kAustria, 238, 11, 2, true},
                                           {kLottoSaturday, 238, 11, 2, true},
                                           {kLottoWednesday, 199, 11, 3, false}}) {
        const int m = 10;
        const auto bytes = older_sys(m, c.blocks, c.options, c.jokers);
        ASSERT_EQ(bytes.size(), static_cast<size_t>(c.per_ticket * m + m / 8 + 9));
        CardIndex index(CardKind::System);
        ASSERT_TRUE(decode_sys(bytes, c.game, index).ok()) << c.game << " " << c.per_ticket;
        const CardTicket& t = index.at(m - 1);
        EXPECT_EQ(t.fields[0].size, 7);
        EXPECT_TRUE(t.fields[0].full);
        EXPECT_EQ(t.stake, 840);
        EXPECT_EQ(t.draw_days, 1);
        EXPECT_EQ(t.extra_weeks, 2);
        EXPECT_EQ(t.lottery, 1111111);
        if (c.game == kAustria) EXPECT_EQ(t.options, kOptLottoPlus);
        else EXPECT_EQ(t.options, kOptSuper6);
    }
    // The Wednesday game knows only its own older length.
    CardIndex index(CardKind::System);
    EXPECT_FALSE(decode_sys(older_sys(10, 7, 2, false), kLottoWednesday, index).ok());
}

TEST(CardFiles, HostileNrmImagesAreRefusedAndTheIndexKept) {
    const CardIndex before = filled(CardKind::Normal, kLottoSaturday, 5);
    auto refused = [&](std::vector<uint8_t> bytes, GameCode game = kLottoSaturday) {
        CardIndex index = before;
        const Status s = decode_nrm(bytes, game, index);
        EXPECT_EQ(index.tickets(), before.tickets());
        return !s.ok() && s.message().rfind(kBadCardFormat, 0) == 0;
    };
    const auto good = encode_nrm(filled(CardKind::Normal, kLottoSaturday, 8), kLottoSaturday);
    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused({5}));
    EXPECT_TRUE(refused({good.begin(), good.end() - 1}));     // truncated
    EXPECT_TRUE(refused({good.begin(), good.end() - 125}));   // one ticket short
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_TRUE(refused(longer));
    EXPECT_TRUE(refused(good, kAustria));  // another game's layout
    // A count beyond the capacity with a matching length.
    std::vector<uint8_t> huge(125 * 801 + 801 / 8 + 9, 0);
    huge[0] = 801 & 0xff;
    huge[1] = 801 >> 8;
    EXPECT_TRUE(refused(huge));
    std::vector<uint8_t> negative = good;
    negative[0] = 0xff;
    negative[1] = 0xff;
    EXPECT_TRUE(refused(negative));
    // Values out of range: a number above 49, a repeated number, first draw 0.
    std::vector<uint8_t> bad = good;
    bad[2] = 50;
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[3] = bad[2];
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[2 + 8 * 108] = 0;
    bad[3 + 8 * 108] = 0;
    EXPECT_TRUE(refused(bad));
    // Non-ASCII bytes in the rows.
    bad = good;
    bad[4] = 0xe4;
    EXPECT_TRUE(refused(bad));
}

TEST(CardFiles, OutOfRangeValuesAreReadSoundly) {
    CardIndex index = filled(CardKind::Normal, kLottoSaturday, 2);
    CardTicket t = index.at(0);
    t.extra_weeks = 8;
    index.assign({t}, 1, 0);
    auto bytes = encode_nrm(index, kLottoSaturday);
    // Pool members 0 read as 1.
    const size_t members_at = 2 + 125;
    bytes[members_at] = 0;
    bytes[members_at + 1] = 0;
    CardIndex back(CardKind::Normal);
    ASSERT_TRUE(decode_nrm(bytes, kLottoSaturday, back).ok());
    EXPECT_EQ(back.at(0).extra_weeks, 0);
    EXPECT_EQ(back.members(), 1);

    // Austria: more than ten Jokers; SYS: size above 26, an unknown type.
    CardIndex austria = filled(CardKind::Normal, kAustria, 1);
    t = austria.at(0);
    t.options = 11;
    austria.assign({t}, 1, 0);
    EXPECT_FALSE(decode_nrm(encode_nrm(austria, kAustria), kAustria, back).ok());
    CardIndex sys = filled(CardKind::System, kLottoSaturday, 1);
    t = sys.at(0);
    t.fields[0].size = 27;
    sys.assign({t}, 1, 0);
    CardIndex sback(CardKind::System);
    EXPECT_FALSE(decode_sys(encode_sys(sys, kLottoSaturday), kLottoSaturday, sback).ok());
    t.fields[0].size = 8;
    t.fields[0].full = false;
    t.fields[0].type = 25;
    sys.assign({t}, 1, 0);
    EXPECT_FALSE(decode_sys(encode_sys(sys, kLottoSaturday), kLottoSaturday, sback).ok());
}

TEST(CardFiles, FilesAreWrittenAtomicallyAndLoadsKeepThePreviousIndex) {
    TempFolder dir;
    CardIndex index = filled(CardKind::Normal, kLottoSaturday, 3);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index).ok());
    EXPECT_TRUE(index.saved());
    EXPECT_EQ(dir.read("Kartei.Nrm").size(), nrm_length(kLottoSaturday, 3));
    CardIndex loaded(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, loaded).ok());
    EXPECT_EQ(loaded.tickets(), index.tickets());

    dir.write("OTHER.NRM", {1, 2, 3});
    EXPECT_EQ(load_card_index(dir.path(), kLottoSaturday, loaded, "OTHER.NRM").message(), kBadCardFormat);
    EXPECT_EQ(loaded.count(), 3);
    EXPECT_EQ(load_card_index(dir.path(), kLottoSaturday, loaded, "NONE.NRM").message(), kCardMissing);
    // A file that is not writable is reported.
    fs::create_directory(dir / "BLOCK.NRM");
    EXPECT_FALSE(save_card_index(dir.path(), kLottoSaturday, index, "BLOCK.NRM").ok());
}

// A default file that was refused (another spelling of the name, too) is
// never written over without a yes to a question that says what is lost.
TEST(CardFiles, ARefusedFileIsReplacedOnlyWhenConfirmed) {
    TempFolder dir;
    auto bytes = encode_nrm(filled(CardKind::Normal, kLottoSaturday, 3), kLottoSaturday);
    bytes[2] = 50;  // no number of the game
    dir.write("KARTEI.NRM", bytes);
    CardIndex normal(CardKind::Normal), system(CardKind::System);
    std::vector<std::string> warnings;
    load_default_card_indexes(dir.path(), kLottoSaturday, normal, system, warnings);
    ASSERT_EQ(warnings.size(), 1u);
    normal.assign({sample_ticket(kLottoSaturday, 0)}, 1, 0);
    const auto question = card_file_replaced(dir.path(), kLottoSaturday, normal, "Kartei.Nrm");
    ASSERT_TRUE(question);
    EXPECT_EQ(*question, "Die Kartei KARTEI.NRM (3 Tipps) konnte nicht gelesen werden; sie wird durch diese "
                         "Kartei (1 Tipp) ersetzt, ihr bisheriger Inhalt geht verloren.");
    EXPECT_FALSE(save_card_index(dir.path(), kLottoSaturday, normal).ok());
    EXPECT_FALSE(save_card_index(dir.path(), kLottoSaturday, normal, "kartei.nrm").ok());
    EXPECT_EQ(dir.read("KARTEI.NRM"), bytes);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, normal, "Kartei.Nrm", true).ok());
    EXPECT_EQ(dir.read("KARTEI.NRM").size(), nrm_length(kLottoSaturday, 1));
    EXPECT_FALSE(card_file_replaced(dir.path(), kLottoSaturday, normal));  // now its own file
}

TEST(CardFiles, NameRuleAndDeleteStayInTheDataFolder) {
    EXPECT_TRUE(check_card_name("kartei.nrm", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_TRUE(check_card_name("MEINE.NRM", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_FALSE(check_card_name("M_KARTEI.NRM", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_FALSE(check_card_name("E_KARTEI.NRM", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_FALSE(check_card_name("MEINE.SYS", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_FALSE(check_card_name("MEINE.TXT", kLottoSaturday, CardKind::Normal).ok());
    EXPECT_TRUE(check_card_name("CH_KARTEI.SYS", kSwiss, CardKind::System).ok());

    TempFolder dir;
    dir.write_text("Lotto.Dat", "keep");
    CardIndex index = filled(CardKind::Normal, kLottoSaturday, 2);
    EXPECT_FALSE(delete_card_file(dir.path(), kLottoSaturday, index, "Lotto.Dat").ok());
    EXPECT_FALSE(delete_card_file(dir.path(), kLottoSaturday, index, "../x/KARTEI.NRM").ok());
    EXPECT_FALSE(save_card_index(dir.path(), kLottoSaturday, index, "sub/MEINE.NRM").ok());
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index, "MEINE.NRM").ok());
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index, "ZWEI.NRM").ok());
    bool deleted = false;
    // Deleting another file keeps the index in memory.
    ASSERT_TRUE(delete_card_file(dir.path(), kLottoSaturday, index, "MEINE.NRM", &deleted).ok());
    EXPECT_TRUE(deleted);
    EXPECT_EQ(index.count(), 2);
    // Deleting its own file empties it.
    ASSERT_TRUE(delete_card_file(dir.path(), kLottoSaturday, index, "zwei.nrm", &deleted).ok());
    EXPECT_EQ(index.count(), 0);
    EXPECT_TRUE(fs::exists(dir / "Lotto.Dat"));
}

TEST(CardIndexStore, AddOverwriteProtectedAndFull) {
    CardIndex index(CardKind::Normal);
    std::vector<CardTicket> many(799);
    index.assign(many, 1, 0);
    CardTicket t;
    t.first_draw = 77;
    EXPECT_EQ(index.store(799, t), StoreOutcome::Added);
    EXPECT_EQ(index.count(), 800);
    EXPECT_EQ(index.store(800, t), StoreOutcome::Full);
    EXPECT_EQ(index.store(801, t), StoreOutcome::BadPosition);
    EXPECT_EQ(index.store(0, t), StoreOutcome::Overwritten);
    EXPECT_EQ(index.at(0).first_draw, 77);
    EXPECT_FALSE(index.saved());

    ASSERT_TRUE(index.set_protected(1, true));
    CardTicket other;
    other.first_draw = 5;
    EXPECT_EQ(index.store(1, other), StoreOutcome::Protected);
    EXPECT_FALSE(index.replace(1, other));
    EXPECT_EQ(index.remove(1), StoreOutcome::Protected);
    EXPECT_EQ(index.at(1).first_draw, 1);
    EXPECT_EQ(index.remove(0), StoreOutcome::Overwritten);
    EXPECT_EQ(index.count(), 799);
}

TEST(CardIndexStore, PackingATicketZeroesTheUnusedSlots) {
    const std::vector<CardRow> rows = {{1, 2, 3, 4, 5, 6, 9}, {7, 8, 9, 10, 11, 12, 0}};
    const CardTicket t = make_normal_card(rows, kLottoSaturday);
    EXPECT_EQ(t.rows[0], (CardRow{1, 2, 3, 4, 5, 6, 0}));  // no lucky number outside Switzerland
    for (size_t r = 2; r < t.rows.size(); ++r) EXPECT_EQ(t.rows[r], CardRow{});
    EXPECT_EQ(make_normal_card(rows, kSwiss).rows[0][6], 9);
    std::vector<CardRow> twenty(20, CardRow{1, 2, 3, 4, 5, 6, 1});
    const CardTicket swiss = make_normal_card(twenty, kSwiss);
    EXPECT_EQ(swiss.rows[13][0], 1);
    EXPECT_EQ(swiss.rows[14][0], 0);  // Switzerland holds 14 rows
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(CardFiles, UnusedSystemFieldsAreNotChecked) {
    CardIndex sys(CardKind::System);
    CardTicket t;
    t.fields[3].numbers = {1, 2, 3};
    t.fields[3].size = 30;  // garbage in a field that is not in use
    t.fields[3].type = 31;
    sys.assign({t}, 1, 0);
    CardIndex back(CardKind::System);
    EXPECT_TRUE(decode_sys(encode_sys(sys, kLottoSaturday), kLottoSaturday, back).ok());
}

}  // namespace
}  // namespace zw
