#include "base/decimal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "german_c_locale.h"

namespace zw {
namespace {

TEST(TypedAmount, TakesEitherMarkAndRoundsToCents) {
    EXPECT_EQ(parse_hundredths("12,50"), 1250);
    EXPECT_EQ(parse_hundredths(" 12.5\t"), 1250);
    EXPECT_EQ(parse_hundredths("12"), 1200);
    EXPECT_EQ(parse_hundredths("12,"), 1200);
    EXPECT_EQ(parse_hundredths(",05"), 5);
    EXPECT_EQ(parse_hundredths("0007,1"), 710);
    EXPECT_EQ(parse_hundredths("12,345"), 1235);  // half a cent rounds up
    EXPECT_EQ(parse_hundredths("12,3449"), 1234);
    EXPECT_EQ(parse_hundredths("999999999999999.99"), int64_t{99999999999999999});
    EXPECT_EQ(parse_hundredths("-1,5", Sign::kAllowed), -150);
    EXPECT_EQ(parse_hundredths("+1,5", Sign::kAllowed), 150);
    EXPECT_EQ(parse_hundredths("-0,004", Sign::kAllowed), 0);
}

TEST(TypedAmount, RefusesAnythingButOneNumber) {
    for (const char* bad : {"abc12,5x", "12,5x", "x12", "", "  ", ",", "+", "1,2,3", "1.234,50",
                            "12 50", "1e3", "0x10", "12,50 EUR", "1000000000000000", "--1"})
        EXPECT_EQ(parse_hundredths(bad, Sign::kAllowed), std::nullopt) << bad;
    EXPECT_EQ(parse_hundredths("-1"), std::nullopt);  // no sign where none is allowed
    EXPECT_EQ(parse_hundredths("+1"), std::nullopt);
}

TEST(TypedWholeNumber, OnlyWholeNumbersInRange) {
    EXPECT_EQ(parse_whole(" 3 ", 1, 32767), 3);
    EXPECT_EQ(parse_whole("+7", 1, 32767), 7);
    EXPECT_EQ(parse_whole("32767", 1, 32767), 32767);
    for (const char* bad : {"3x", "2.0", "2,0", "", "0", "32768", "-1", "99999999999999999999"})
        EXPECT_EQ(parse_whole(bad, 1, 32767), std::nullopt) << bad;
}

TEST(NumberText, PointAndFixedDecimals) {
    EXPECT_EQ(hundredths_text(1250), "12.50");
    EXPECT_EQ(hundredths_text(-5), "-0.05");
    EXPECT_EQ(hundredths_text(0), "0.00");
    EXPECT_EQ(hundredths_text(std::numeric_limits<int64_t>::min()), "-92233720368547758.08");
    EXPECT_EQ(decimal_text(0.614, 2), "0.61");
    EXPECT_EQ(decimal_text(-0.001, 2), "0.00");  // no "-0.00"
    EXPECT_EQ(decimal_text(-1.25, 1, 6), "  -1.2");
    EXPECT_EQ(decimal_text(1234.5, 1, 3), "1234.5");  // never cut
    EXPECT_EQ(parse_double("0.5"), 0.5);
    EXPECT_EQ(parse_double("0,5"), std::nullopt);
    EXPECT_EQ(parse_double("1.5x"), std::nullopt);
}

using GermanNumbers = test::GermanCLocale;

TEST_F(GermanNumbers, TextsAndTypedAmountsKeepThePoint) {
    EXPECT_EQ(decimal_text(12.5, 2), "12.50");
    EXPECT_EQ(parse_double("1.5"), 1.5);
    EXPECT_EQ(parse_hundredths("12,50"), 1250);
    EXPECT_EQ(parse_hundredths("12.50"), 1250);
}

}  // namespace
}  // namespace zw
