#include "platform/encoding.h"

#include <gtest/gtest.h>

#include "platform/gbk_literal.h"

namespace kelvara {
namespace {

TEST(Encoding, RoundTripsChinese) {
    EXPECT_EQ(utf8_to_gbk("炮二平五"), "炮二平五"_gbk);
    EXPECT_EQ(gbk_to_utf8("炮二平五"_gbk), "炮二平五");
    EXPECT_EQ(gbk_to_utf8("plain"), "plain");
}

TEST(Encoding, BadBytesBecomeQuestionMarksAndConversionFinishes) {
    EXPECT_EQ(gbk_to_utf8("a\xFF" "b"), "a?b");
    EXPECT_EQ(gbk_to_utf8("a\xB0"), "a?");              // lead byte cut off at the end
    EXPECT_EQ(utf8_to_gbk("a\xE2\x82"), "a?");          // truncated UTF-8 sequence
    EXPECT_EQ(utf8_to_gbk("\xF0\x9F\x98\x80" "x"), "?x");  // an emoji GBK lacks
}

TEST(Encoding, RecognisesUtf8Text) {
    EXPECT_TRUE(looks_like_utf8("1. 炮二平五"));
    EXPECT_TRUE(looks_like_utf8("\xEF\xBB\xBF[Event \"x\"]"));
    EXPECT_FALSE(looks_like_utf8("[Event \"x\"]"));  // ASCII is not taken for UTF-8
    EXPECT_FALSE(looks_like_utf8("1. " + std::string("炮二平五"_gbk)));
}

}  // namespace
}  // namespace kelvara
