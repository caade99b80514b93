// Numbers in the --json output keep the forms the text output uses.
#include "json.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zw::cli {
namespace {

std::string dumped(const Json& j) { return j.dump(); }

TEST(CliJson, ComputedValuesHaveTenSignificantDigitsAndWholeValuesNoFraction) {
    EXPECT_EQ(dumped(number(0.1 + 0.2)), "0.3");
    EXPECT_EQ(dumped(number(2.0 / 3.0)), "0.6666666667");
    EXPECT_EQ(dumped(number(7.151123842018e-09)), "7.151123842e-09");
    EXPECT_EQ(dumped(number(0.0001234)), "0.0001234");
    EXPECT_EQ(dumped(number(2200.0)), "2200");
    EXPECT_EQ(dumped(number(-3.0)), "-3");
    EXPECT_EQ(dumped(number(123456.78901234)), "123456.789");
    EXPECT_EQ(dumped(number(std::nan(""))), "null");
    EXPECT_EQ(dumped(number(INFINITY)), "null");
}

TEST(CliJson, FixedDecimalFiguresStayNumbers) {
    EXPECT_EQ(dumped(decimal("15.5")), "15.5");
    EXPECT_EQ(dumped(decimal("0.0")), "0.0");
    EXPECT_EQ(dumped(decimal("-2.3")), "-2.3");
}

TEST(CliJson, RowsCarryTheLuckyNumbersOnlyForSwissLotto) {
    const std::vector<std::array<uint8_t, 7>> rows = {{1, 2, 3, 4, 5, 6, 2}, {7, 8, 9, 10, 11, 12, 5}};
    Json j = Json::object();
    add_rows(j, rows, true);
    EXPECT_EQ(j.dump(), "{\"rows\":[[1,2,3,4,5,6],[7,8,9,10,11,12]],\"lucky\":[2,5]}");
    Json k = Json::object();
    add_rows(k, rows, false);
    EXPECT_EQ(k.dump(), "{\"rows\":[[1,2,3,4,5,6],[7,8,9,10,11,12]]}");
}

}  // namespace
}  // namespace zw::cli
