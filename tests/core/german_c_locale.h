// A test that runs with the C library's numbers in German, as the window
// program does under a German desktop (Qt takes the locale from the
// environment): printf and strtod then use a decimal comma.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace zw::test {

class GermanCLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
        char c_library[16];
        std::snprintf(c_library, sizeof c_library, "%.1f", 1.5);
        ASSERT_STREQ(c_library, "1,5");  // the switch is in effect
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

}  // namespace zw::test
