#include "app/seconds_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace kelvara {
namespace {

TEST(SecondsText, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(read_number("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(read_number(" -0.2s"), -0.2);
    EXPECT_DOUBLE_EQ(read_number(".5"), 0.5);
    EXPECT_DOUBLE_EQ(read_number("8."), 8.0);
    EXPECT_DOUBLE_EQ(read_number(""), 0.0);
    EXPECT_DOUBLE_EQ(read_number("abc"), 0.0);
    EXPECT_DOUBLE_EQ(read_number("-"), 0.0);
}

TEST(SecondsText, ShowsOneDecimalRoundedHalfUp) {
    EXPECT_EQ(seconds_text(1.0), "1.0");
    EXPECT_EQ(seconds_text(0.25), "0.3");
    EXPECT_EQ(seconds_text(0.3 - 0.1), "0.2");  // 0.19999999999999998
    EXPECT_EQ(seconds_text(8.0 + 0.1), "8.1");
    EXPECT_EQ(seconds_text(-0.1), "-0.1");
    EXPECT_EQ(seconds_text(-0.01), "0.0");

    EXPECT_EQ(seconds_text(1000, 1000), "1.0");
    EXPECT_EQ(seconds_text(1050, 1000), "1.1");
    EXPECT_EQ(seconds_text(1049, 1000), "1.0");
    EXPECT_EQ(seconds_text(30, 100), "0.3");
    EXPECT_EQ(seconds_text(-25, 100), "-0.3");
    EXPECT_EQ(seconds_text(INT_MAX, 100), "21474836.5");
}

TEST(SecondsText, ScalesTheDigitsAsTypedTruncatingTowardZero) {
    EXPECT_EQ(scaled_truncated("1.5", 1000), 1500);
    EXPECT_EQ(scaled_truncated("0.3", 100), 30);
    EXPECT_EQ(scaled_truncated("0.29", 100), 29);  // 28.999... in floating point
    EXPECT_EQ(scaled_truncated("0.299", 100), 29);
    EXPECT_EQ(scaled_truncated("-0.2", 100), -20);
    EXPECT_EQ(scaled_truncated("-0.009", 100), 0);
    EXPECT_EQ(scaled_truncated("7", 1000), 7000);
    EXPECT_EQ(scaled_truncated("abc", 100), 0);
    EXPECT_EQ(scaled_truncated("99999999999", 100), INT_MAX);
    EXPECT_EQ(scaled_truncated("-99999999999", 100), INT_MIN);
}

}  // namespace
}  // namespace kelvara
