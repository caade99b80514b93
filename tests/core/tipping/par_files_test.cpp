#include "tipping/par_files.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "session/session.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

// A draw file with one record, enough for select_game to load the game.
void add_draw_file(const TempFolder& dir, const std::string& name, int record_length = 7) {
    std::vector<uint8_t> bytes = {126, 126, 0, 0, 1, 2, 3, 4, 5, 6, 7};
    if (record_length == 8) bytes.push_back(1);
    dir.write(name, bytes);
}

TEST(MoneyFile, LayoutIsGameMajorQuotasThenFeeLists) {
    MoneyTables m;
    m.quota[1][0] = 0x01020304;
    m.fees[kSideStake1][2] = 0x0506;
    m.fees[kFeeSystem][5] = 0x7ffe;
    const auto bytes = encode_money_tables(m);
    ASSERT_EQ(bytes.size(), 276u);
    EXPECT_EQ(get_i32(&bytes[9 * 4]), 0x01020304);     // game 1, position 0
    EXPECT_EQ(get_i16(&bytes[216 + 12 + 4]), 0x0506);  // first side game, game 2
    EXPECT_EQ(get_i16(&bytes[274]), 0x7ffe);
    MoneyTables back;
    ASSERT_TRUE(decode_money_tables(bytes, back));
    EXPECT_EQ(back.quota, m.quota);
    EXPECT_EQ(back.fees, m.fees);
}

TEST(MoneyFile, WrongLengthsAreRefusedAndTablesStay) {
    const MoneyTables before = default_money_tables();
    for (size_t size : {0u, 275u, 277u, 100000u}) {
        MoneyTables m = before;
        const Status s = decode_money_tables(std::vector<uint8_t>(size, 0xff), m);
        ASSERT_FALSE(s) << size;
        EXPECT_NE(s.message().find("Ziehwerk.Par"), std::string::npos);
        EXPECT_EQ(m.quota, before.quota);
        EXPECT_EQ(m.fees, before.fees);
    }
    std::array<int32_t, 11> swiss{1};
    EXPECT_FALSE(decode_swiss_quotas(std::vector<uint8_t>(48, 0), swiss));
    EXPECT_EQ(swiss[0], 1);
    std::array<int32_t, 4> plus{7};
    EXPECT_FALSE(decode_lottoplus_quotas(std::vector<uint8_t>(12, 0), plus));
    EXPECT_EQ(plus[0], 7);

    // At start-up: a message for the user, and the defaults stay.
    TempFolder dir;
    dir.write("ZIEHWERK.PAR", std::vector<uint8_t>(300, 0));
    Session s(dir.path());
    const auto messages = s.start_up();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("300 statt 276"), std::string::npos);
    EXPECT_EQ(s.money.quota, before.quota);
    EXPECT_EQ(s.money.fees, before.fees);
}

TEST(MoneyFile, SwissSaveWritesBothFilesWhichReadBackOnStartAndSwitch) {
    TempFolder dir;
    add_draw_file(dir, "Swiss.Dat", 8);
    dir.write("ZIEHWERK.PAR", encode_money_tables(MoneyTables{}));
    Session s(dir.path());
    EXPECT_TRUE(s.start_up().empty());
    EXPECT_EQ(s.money.quota, MoneyTables{}.quota);
    ASSERT_TRUE(s.select_game(kSwiss).status);
    EXPECT_EQ(s.money.swiss_quota, default_money_tables().swiss_quota);  // no SwissLotto.Par
    s.money.swiss_quota[3] = 12345;
    s.money.fees[kRowStake][5] = 260;
    ASSERT_TRUE(s.save_money_tables());
    EXPECT_EQ(dir.read("ZIEHWERK.PAR").size(), 276u);  // the existing spelling is replaced
    EXPECT_EQ(dir.read("SwissLotto.Par").size(), 44u);
    // Swiss.Dat, ZIEHWERK.PAR, SwissLotto.Par and the folder's lock file: no
    // second spelling, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 4);

    Session again(dir.path());
    again.start_up();
    EXPECT_EQ(again.money.fee(kSwiss, kRowStake), 260);
    ASSERT_TRUE(again.select_game(kSwiss).status);
    EXPECT_EQ(again.money.swiss_quota[3], 12345);

    // A damaged file on the next switch: reported, the quotas in memory stay.
    dir.write("SwissLotto.Par", std::vector<uint8_t>(40, 0));
    again.money.swiss_quota[0] = 5;
    const SelectOutcome out = again.select_game(kSwiss);
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_NE(out.warnings[0].find("SwissLotto.Par"), std::string::npos);
    EXPECT_EQ(again.money.swiss_quota[0], 5);
}

TEST(MoneyFile, AustrianGameTakesLottoPlusQuotasAndFixedP3) {
    TempFolder dir;
    add_draw_file(dir, "O_Lotto.Dat");
    Session s(dir.path());
    s.start_up();
    ASSERT_TRUE(s.select_game(kAustria).status);
    EXPECT_EQ(lottoplus_quotas(s.params), default_lottoplus_quotas());  // no file
    EXPECT_EQ(s.params.side_prizes_2[4], kLottoPlusThreeQuota);

    s.params.side_prizes_2[1] = 4000;
    ASSERT_TRUE(s.save_money_tables());
    const auto plus = dir.read("AustriaLotto.Par");
    ASSERT_EQ(plus.size(), 16u);
    EXPECT_EQ(get_i32(&plus[4]), 4000);

    s.select_game(kLottoSaturday);  // clears the prize tables (Lotto.Dat is missing)
    ASSERT_TRUE(s.select_game(kAustria).status);
    EXPECT_EQ(s.params.side_prizes_2[1], 4000);
    EXPECT_EQ(s.params.side_prizes_2[4], 20);
}

TEST(MoneyFile, ShippedFilesHoldTheBuiltInDefaults) {
    const fs::path data = fs::path(ZIEHWERK_SOURCE_DIR) / "data";
    const MoneyTables d = default_money_tables();
    auto file_of = [&](const char* name) {
        return read_file(data / name).value_or(std::vector<uint8_t>{});
    };
    EXPECT_EQ(file_of("Ziehwerk.Par"), encode_money_tables(d));
    EXPECT_EQ(file_of("SwissLotto.Par"), encode_swiss_quotas(d.swiss_quota));
    EXPECT_EQ(file_of("AustriaLotto.Par"), encode_lottoplus_quotas(default_lottoplus_quotas()));
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(MoneyFile, NegativeAmountsRefuseTheFileAndKeepTheTables) {
    test::TempFolder dir;
    MoneyTables bad = default_money_tables();
    bad.quota[0][3] = -12117606;  // a stake of -1,211,760.6 EUR
    dir.write("Ziehwerk.Par", encode_money_tables(bad));
    MoneyTables money = default_money_tables();
    const Status s = load_money_tables(dir.path(), money);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("negative Quote"), std::string::npos);
    EXPECT_EQ(money.quota, default_money_tables().quota);

    bad = default_money_tables();
    bad.fees[kRowStake][0] = -100;
    MoneyTables out = default_money_tables();
    EXPECT_FALSE(decode_money_tables(encode_money_tables(bad), out));
    EXPECT_EQ(out.fees, default_money_tables().fees);

    std::array<int32_t, 11> swiss{};
    std::array<int32_t, 11> negative{};
    negative[4] = -1;
    EXPECT_FALSE(decode_swiss_quotas(encode_swiss_quotas(negative), swiss));
    EXPECT_EQ(swiss, (std::array<int32_t, 11>{}));
    std::array<int32_t, 4> plus{};
    EXPECT_FALSE(decode_lottoplus_quotas(encode_lottoplus_quotas({1, -2, 3, 4}), plus));
}

TEST(MoneyFile, ShippedParameterFilesAreAccepted) {
    const std::filesystem::path data = std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data";
    MoneyTables money = default_money_tables();
    EXPECT_TRUE(load_money_tables(data, money));
    GameParams austria = game_params(kAustria), swiss = game_params(kSwiss);
    std::vector<std::string> warnings;
    load_game_money_files(data, austria, money, warnings);
    load_game_money_files(data, swiss, money, warnings);
    EXPECT_TRUE(warnings.empty());
}

}  // namespace
}  // namespace zw
