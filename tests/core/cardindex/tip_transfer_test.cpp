#include "cardindex/tip_transfer.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"

namespace zw {
namespace {

TEST(RowImport, LinesBecomeSortedRowsAndBadLinesAreSkipped) {
    const std::string text =
        "3;12;25;31;40;49\r\n"
        "49 40 31 25 12 3\n"
        "0 1 2 3 4 5\n"      // a 0
        "1 2 3 4 5 50\n"     // above 49
        "1 2 3 3 4 5\n"      // repeated
        "1 2 3 4 5\n"        // five numbers
        "123,4,5,6,7,8\n"    // the third digit is skipped
        "Reihe: 7-9-11-13-15-17 (Test)";
    const ImportResult r = parse_import_rows(text, kLottoSaturday);
    ASSERT_EQ(r.rows.size(), 4u);
    EXPECT_EQ(r.rows[0], (CardRow{3, 12, 25, 31, 40, 49, 0}));
    EXPECT_EQ(r.rows[1], r.rows[0]);
    EXPECT_EQ(r.rows[2], (CardRow{4, 5, 6, 7, 8, 12, 0}));
    EXPECT_EQ(r.rows[3], (CardRow{7, 9, 11, 13, 15, 17, 0}));
    EXPECT_EQ(r.skipped, 4);
    EXPECT_EQ(import_message(r), "4 Reihen wurden importiert.");
}

TEST(RowImport, TheGameBoundsTheNumbersAndTheRows) {
    // 46..49 do not exist in the Austrian game.
    EXPECT_TRUE(parse_import_rows("1 2 3 4 5 46\n", kAustria).rows.empty());
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "1 2 3 4 5 " + std::to_string(6 + i) + "\n";
    EXPECT_EQ(parse_import_rows(twenty, kLottoSaturday).rows.size(), 16u);
    EXPECT_EQ(parse_import_rows(twenty, kSwiss).rows.size(), 14u);
    const ImportResult none = parse_import_rows("Hallo\nWelt\n", kLottoSaturday);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_NE(import_message(none).find("keine"), std::string::npos);
    // A very long line is read up to character 200 only.
    EXPECT_TRUE(parse_import_rows(std::string(200, 'x') + "1 2 3 4 5 6", kLottoSaturday).rows.empty());
    EXPECT_EQ(import_file_name("reihen"), "reihen.TXT");
    EXPECT_EQ(import_file_name("reihen.csv"), "reihen.csv");
}

TEST(StoredTicket, JokerNumbersAsTheConsoleShowsThem) {
    CardTicket t;
    t.jokers[0] = 123;
    t.jokers[1] = 1234567;
    t.lottery = 0;
    auto texts = joker_texts(t);
    EXPECT_EQ(texts[0], "000123");
    EXPECT_EQ(texts[1], "234567");
    EXPECT_EQ(texts[2], "");
    t.lottery = 42;
    EXPECT_EQ(joker_texts(t)[0], "000042");
}

TEST(OnlineTip, AddressCarriesTheCompleteRowsAsBlocks) {
    OnlineTipConfig config;
    config.shop = "https://shop.example/quicktipp";
    config.partner_id = "P1";
    config.affiliate_id = "A2";
    CardTicket t;
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t.rows[2] = {7, 8, 9, 10, 11, 12, 0};  // row 2 is empty: blocks 1 and 2 take rows 1 and 3
    t.rows[3] = {13, 14, 15, 0, 0, 0, 0};  // incomplete: not sent
    t.draw_days = 2;
    t.extra_weeks = 7;
    t.options = kOptSuper6;
    const OnlineTip tip = online_tip_address(config, kLottoBoth, t);
    ASSERT_TRUE(tip.message.empty());
    EXPECT_EQ(tip.address,
              "https://shop.example/quicktipp?target=ticket&lotto_numberOfBlocks=2&lotto_numberOfTickets=1"
              "&lotto_super6=true&lotto_spiel77=false&lotto_subscription=false&lotto_jackpotHunter=false"
              "&lotto_duration=4&lotto_drawCycle=both&lotto_block1=1|2|3|4|5|6&lotto_block2=7|8|9|10|11|12"
              "&partnerId=P1&affiliateId=A2");
    t.draw_days = 5;
    EXPECT_NE(online_tip_address(config, kLottoSaturday, t).address.find("drawCycle=next"), std::string::npos);
    EXPECT_FALSE(online_tip_address(config, kToto, t).message.empty());
    EXPECT_FALSE(online_tip_address({}, kLottoSaturday, t).message.empty());
    EXPECT_FALSE(online_tip_address(config, kLottoSaturday, CardTicket{}).message.empty());
}

}  // namespace
}  // namespace zw
