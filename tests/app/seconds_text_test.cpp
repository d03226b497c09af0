#include "app/seconds_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace kelvara {
namespace {

TEST(SecondsText, ShowsAsManyDecimalsAsTheValueNeeds) {
    EXPECT_EQ(delay_text(1000, 1000), "1.0");
    EXPECT_EQ(delay_text(1450, 1000), "1.45");
    EXPECT_EQ(delay_text(1, 1000), "0.001");
    EXPECT_EQ(delay_text(65535, 100), "655.35");
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

TEST(SecondsText, ACommittedDelayIsBroughtToTheNearestEndOfItsRange) {
    EXPECT_EQ(committed_delay(".5", kDemoDelayRange), 500);
    EXPECT_EQ(committed_delay("0", kDemoDelayRange), 300);
    EXPECT_EQ(committed_delay("99999", kDemoDelayRange), 8000);
    EXPECT_EQ(committed_delay("8.0.5", kDemoDelayRange), 8000);  // the number at the start
    EXPECT_EQ(committed_delay("", kDemoDelayRange), std::nullopt);
    EXPECT_EQ(committed_delay(".", kDemoDelayRange), std::nullopt);
    EXPECT_EQ(committed_delay("-0.2", kFrameDelayRange), 2);
    EXPECT_EQ(committed_delay("655.35", kFrameDelayRange), 65535);
}

}  // namespace
}  // namespace kelvara
