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

TEST(Encoding, ReadsUtf16LittleEndianUnitsWhatEverTheyHold) {
    EXPECT_EQ(utf16le_to_gbk(std::string("\xAE\x70\x8C\x4E", 4)), "炮二"_gbk);
    EXPECT_EQ(utf16le_to_gbk(std::string("a\0b", 3)), "a");  // the odd last byte is dropped
    // A pair GBK lacks and a lone surrogate each become one "?", and the text goes on.
    EXPECT_EQ(utf16le_to_gbk(std::string("\x3D\xD8\x00\xDE" "x\0" "\x00\xD8" "y\0", 10)), "?x?y");
}

TEST(Encoding, RecognisesUtf8Text) {
    EXPECT_TRUE(looks_like_utf8("1. 炮二平五"));
    EXPECT_TRUE(looks_like_utf8("\xEF\xBB\xBF[Event \"x\"]"));
    EXPECT_FALSE(looks_like_utf8("[Event \"x\"]"));  // ASCII is not taken for UTF-8
    EXPECT_FALSE(looks_like_utf8("1. " + std::string("炮二平五"_gbk)));
}

TEST(Encoding, StrictUtf8RefusesWhatEditorsNeverWrite) {
    EXPECT_TRUE(is_utf8(""));
    EXPECT_TRUE(is_utf8("ascii only"));
    EXPECT_TRUE(is_utf8("炮二平五"));
    EXPECT_FALSE(is_utf8("\xC0\xAF"));          // overlong '/'
    EXPECT_FALSE(is_utf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(is_utf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(is_utf8("炮二平五"_gbk));
}

// GBK and BIG5 take many of each other's byte pairs; a strict decoder tells them apart
// only where one has no character, as for BIG5's 炮 (AC B6) and GBK's user-defined pairs.
TEST(Encoding, StrictDecodingRefusesPairsTheEncodingLacks) {
    EXPECT_TRUE(decodes_strictly("炮二平五"_gbk, "GBK"));
    EXPECT_FALSE(decodes_strictly("\xAC\xB6", "GBK"));
    EXPECT_FALSE(decodes_strictly("\xAA\xC8", "GBK"));  // user-defined
    EXPECT_FALSE(decodes_strictly("\xB0", "GBK"));       // cut off
    EXPECT_TRUE(decodes_strictly("\xAC\xB6\xA4\x47\xA5\xAD\xA4\xAD", "CP950"));  // 炮二平五
    EXPECT_FALSE(decodes_strictly("\x81\x40", "CP950"));
    EXPECT_FALSE(decodes_strictly("x", "NO-SUCH-ENCODING"));
}

TEST(Encoding, Big5BecomesGbkWithItsTraditionalCharacters) {
    // 車 馬 進 and a full-width 7 in BIG5.
    EXPECT_EQ(big5_to_gbk("\xA8\xAE\xB0\xA8\xB6\x69\xA2\xB6"), "車馬進７"_gbk);
    EXPECT_EQ(big5_to_gbk("a\xFF" "b"), "a?b");
}

}  // namespace
}  // namespace kelvara
