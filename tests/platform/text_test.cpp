#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/gbk_literal.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;

TEST(GbkLiteral, EveryTableEntryIsWhatIconvGives) {
    for (const auto& e : kGbkTable) {
        std::string utf8;
        const char32_t cp = e.code_point;
        if (cp < 0x800) {
            utf8 += static_cast<char>(0xC0 | (cp >> 6));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (cp >> 12));
            utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        }
        const std::string expected{static_cast<char>(e.gbk >> 8), static_cast<char>(e.gbk & 0xFF)};
        EXPECT_EQ(utf8_to_gbk(utf8), expected) << "table entry for " << utf8;
    }
}

TEST(GbkLiteral, MixesAsciiAndChinese) {
    EXPECT_EQ("红：前车进一"_gbk, G("红：前车进一"));
    EXPECT_EQ("1.红：炮二平五"_gbk.size(), 14u);
    EXPECT_EQ(""_gbk.size(), 0u);
}

TEST(GbkText, PartsCountBytesAndRefuseNonPositiveCounts) {
    EXPECT_EQ(gbk::left("abcdef", 2), "ab");
    EXPECT_EQ(gbk::left("abc", 0), "");
    EXPECT_EQ(gbk::left("abc", -3), "");
    EXPECT_EQ(gbk::left("abc", 10), "abc");
    EXPECT_EQ(gbk::right("abcdef", 2), "ef");
    EXPECT_EQ(gbk::right("abc", 10), "abc");
    EXPECT_EQ(gbk::middle("abcdef", 2, 3), "bcd");
    EXPECT_EQ(gbk::middle("abcdef", 5, 10), "ef");
    EXPECT_EQ(gbk::middle("abcdef", 7, 1), "");
    EXPECT_EQ(gbk::middle("abcdef", 0, 1), "");
}

TEST(GbkText, FullWidthFormsFoldToAscii) {
    EXPECT_EQ(gbk::fold_full_width(G("Ｃ２＝５")), "C2=5");
    EXPECT_EQ(gbk::fold_full_width(G("马８进７")), G("马") + "8" + G("进") + "7");
    EXPECT_EQ(gbk::fold_full_width(G("　")), G("　"));  // the full-width space is no ASCII form
    EXPECT_EQ(gbk::fold_full_width("\xA3\x80x"), "\xA3\x80x");
    EXPECT_EQ(gbk::fold_full_width("\xA3"), "\xA3");  // a lead byte cut off
}

TEST(GbkText, CharactersAreOneOrTwoBytes) {
    const std::string text = G("1.炮二") + "\xB0";
    const auto chars = gbk::characters(text);
    ASSERT_EQ(chars.size(), 5u);
    EXPECT_EQ(chars[0], "1");
    EXPECT_EQ(chars[2], G("炮"));
    EXPECT_EQ(chars[4], "\xB0");
}

TEST(GbkText, FindIsOneBased) {
    EXPECT_EQ(gbk::find("a b c", " "), 2);
    EXPECT_EQ(gbk::find("a b c", " ", 3), 4);
    EXPECT_EQ(gbk::find("a b c", "x"), -1);
    EXPECT_EQ(gbk::find("abc", "c", 4), -1);
    EXPECT_EQ(gbk::find_last("a.b.c", "."), 4);
    EXPECT_EQ(gbk::find_last("abc", "."), -1);
}

TEST(GbkText, SplitKeepsOnlyTheFirstParts) {
    const auto parts = gbk::split("1 62 16 32", " ", 2);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0], "1");
    EXPECT_EQ(parts[1], "62");
    EXPECT_EQ(gbk::split("a  b", " ", 5).size(), 3u);  // an empty field between two spaces
    EXPECT_EQ(gbk::split("", " ", 3).size(), 1u);
    EXPECT_TRUE(gbk::split("a b", " ", 0).empty());
}

TEST(GbkText, CaseChangeLeavesDoubleByteCharactersAlone) {
    // 刈 is 0xD8 0x41: its trail byte is an ASCII 'A' that must not be lowered.
    const std::string text = G("刈") + "Ab";
    EXPECT_EQ(gbk::to_lower_ascii(text), G("刈") + "ab");
    EXPECT_EQ(gbk::to_upper_ascii("[fen \""), "[FEN \"");
}

TEST(GbkText, ReplaceMatchesWholeCharactersOnly) {
    // "红：" must not match across the boundary of other characters.
    EXPECT_EQ(gbk::replace_all("1." + G("红：炮二平五"), "红："_gbk, " "), "1. " + G("炮二平五"));
    // B0 A1 B0 A1 is 啊啊; the bytes A1 B0 in the middle are not a character there.
    const std::string aa = G("啊啊");
    EXPECT_EQ(gbk::replace_all(aa, "\xA1\xB0", "X"), aa);
    EXPECT_EQ(gbk::replace_all("aXbXc", "X", "--"), "a--b--c");
    EXPECT_EQ(gbk::repeat("ab", 3), "ababab");
    EXPECT_EQ(gbk::repeat("ab", 0), "");
}

TEST(GbkText, ToIntegerFoldsFullWidthAndReadsLeadingDigits) {
    EXPECT_EQ(gbk::to_integer("62"), 62);
    EXPECT_EQ(gbk::to_integer("  -7x"), -7);
    EXPECT_EQ(gbk::to_integer("+3"), 3);
    EXPECT_EQ(gbk::to_integer(G("１２")), 12);
    EXPECT_EQ(gbk::to_integer(G("－５")), -5);
    EXPECT_EQ(gbk::to_integer("abc"), 0);
    EXPECT_EQ(gbk::to_integer(""), 0);
    EXPECT_EQ(gbk::to_integer("0\n"), 0);
    EXPECT_EQ(gbk::to_integer("99999999999999"), 2147483647);
    EXPECT_EQ(gbk::to_integer("-99999999999999"), -2147483647 - 1);
}

TEST(GbkText, NumeralsAndDecimal) {
    EXPECT_EQ(gbk::decimal(-45), "-45");
    EXPECT_EQ(gbk::chinese_numerals(305), G("三零五"));
    EXPECT_EQ(gbk::chinese_numerals(0), G("零"));
}

TEST(GbkText, CutNeverSplitsACharacter) {
    const std::string title = "ab" + G("象棋");  // 6 bytes
    EXPECT_EQ(gbk::cut_whole_chars(title, 6), title);
    EXPECT_EQ(gbk::cut_whole_chars(title, 5), "ab" + G("象"));
    EXPECT_EQ(gbk::cut_whole_chars(title, 3), "ab");
    EXPECT_EQ(gbk::cut_whole_chars(title, 0), "");
    // A lone lead byte at the end counts as one byte.
    EXPECT_EQ(gbk::cut_whole_chars("ab\xB0", 3), "ab\xB0");
}

}  // namespace
}  // namespace kelvara
