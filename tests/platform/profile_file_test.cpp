#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;

// 癆 (B0 41) and 癮 (B0 61) differ only in a trail byte that is an ASCII letter's.
const std::string kUpperTrail = "\xB0\x41";
const std::string kLowerTrail = "\xB0\x61";

TEST(ProfileFileRead, NamesIgnoreAsciiCaseAndSurroundingBlanks) {
    const auto file = ProfileFile::from_text("[ Main ]\r\n  Sound Key  =  on  \r\n");
    EXPECT_EQ(file.read("main", "sound key", "x"), "on");
    EXPECT_EQ(file.read(" MAIN", "SOUND KEY ", "x"), "on");
}

TEST(ProfileFileRead, TrailBytesAreNeverCaseFolded) {
    const auto file = ProfileFile::from_text("[" + kLowerTrail + "]\n" + kLowerTrail + "=1\n");
    EXPECT_EQ(file.read(kLowerTrail, kLowerTrail, "x"), "1");
    EXPECT_EQ(file.read(kUpperTrail, kLowerTrail, "x"), "x");
    EXPECT_EQ(file.read(kLowerTrail, kUpperTrail, "x"), "x");
}

TEST(ProfileFileRead, HeaderWhoseNameEndsInABracketTrailByte) {
    // 癩 is B0 5D: its trail byte is "]" and must not close the header.
    const std::string name = "\xB0\x5D";
    const auto file = ProfileFile::from_text("[" + name + "]\r\nk=v\r\n");
    EXPECT_EQ(file.read(name, "k", "x"), "v");
    EXPECT_EQ(file.read("\xB0", "k", "x"), "x");
}

TEST(ProfileFileRead, MissingFileSectionOrKeyGivesTheDefault) {
    test::TempDir dir;
    EXPECT_EQ(ProfileFile::load(dir.path() / "none.ini").read("s", "k", "dflt"), "dflt");
    const auto file = ProfileFile::from_text("[a]\r\n[b]\r\nk=1\r\n");
    EXPECT_EQ(file.read("a", "k", "dflt"), "dflt");  // the next section's key is not a's
    EXPECT_EQ(file.read("c", "k", "dflt"), "dflt");
    EXPECT_EQ(file.read("b", "j", "dflt  "), "dflt");  // Windows drops the default's trailing blanks
}

TEST(ProfileFileRead, ValuesLoseBlanksAndMatchingQuotes) {
    const auto file = ProfileFile::from_text(
        "[s]\nplain= a b \ndq = \"quoted \" \nsq='x'\nmixed='x\"\nempty=\"\"\neq=a=b\n");
    EXPECT_EQ(file.read("s", "plain", ""), "a b");
    EXPECT_EQ(file.read("s", "dq", ""), "quoted ");
    EXPECT_EQ(file.read("s", "sq", ""), "x");
    EXPECT_EQ(file.read("s", "mixed", ""), "'x\"");
    EXPECT_EQ(file.read("s", "empty", "d"), "");
    EXPECT_EQ(file.read("s", "eq", ""), "a=b");
}

TEST(ProfileFileRead, CommentsAndLinesWithoutEqualsAreNeverKeys) {
    const auto file = ProfileFile::from_text("[s]\r\n;k=comment\r\nk\r\n[t\r\nk=real\r\n");
    EXPECT_EQ(file.read("s", "k", "d"), "real");
    EXPECT_EQ(file.read("s", ";k", "d"), "d");
}

TEST(ProfileFileRead, FirstSectionAndFirstKeyWin) {
    const auto file = ProfileFile::from_text("[s]\nk=1\nK=2\n[S]\nk=3\nonly=4\n");
    EXPECT_EQ(file.read("s", "k", ""), "1");
    EXPECT_EQ(file.read("s", "only", "d"), "d");
}

TEST(ProfileFileRead, ValuesAreCutToTheBufferAtAWholeCharacter) {
    const std::size_t limit = ProfileFile::kValueBufferSize - 1;
    const std::string fits(limit, 'a');
    EXPECT_EQ(ProfileFile::from_text("[s]\nk=" + fits + "b\n").read("s", "k", ""), fits);
    // A double-byte character across the limit is dropped whole.
    const std::string straddles = std::string(limit - 1, 'a') + G("炮");
    EXPECT_EQ(ProfileFile::from_text("[s]\nk=" + straddles + "\n").read("s", "k", ""), std::string(limit - 1, 'a'));
}

TEST(ProfileFileWrite, ReplacesOnlyTheKeysLine) {
    const std::string before =
        "; kept comment\r\n"
        "[Other]\r\n"
        "Key=other section\r\n"
        "\r\n"
        "[s]\r\n"
        "  KEY  =  old value  \r\n"
        "key2 = unchanged\r\n";
    auto file = ProfileFile::from_text(before);
    ASSERT_TRUE(file.write("s", "key", "new"));
    EXPECT_EQ(file.text(),
              "; kept comment\r\n[Other]\r\nKey=other section\r\n\r\n[s]\r\nkey=new\r\nkey2 = unchanged\r\n");
    EXPECT_EQ(file.read("other", "key", ""), "other section");
}

TEST(ProfileFileWrite, AddsAKeyAfterTheSectionsLastKey) {
    auto file = ProfileFile::from_text("[s]\na=1\n\n; about t\n[t]\nb=2");
    ASSERT_TRUE(file.write("S", "c", "3"));
    ASSERT_TRUE(file.write("t", "d", "4"));
    EXPECT_EQ(file.text(), "[s]\na=1\nc=3\n\n; about t\n[t]\nb=2\nd=4\n");  // LF file stays LF
}

TEST(ProfileFileWrite, AddsTheSectionAtTheEnd) {
    ProfileFile fresh;
    ASSERT_TRUE(fresh.write(G("设置"), "k", G("真")));
    EXPECT_EQ(fresh.text(), G("[设置]\r\nk=真\r\n"));  // a new file is a Windows file: CRLF

    auto unterminated = ProfileFile::from_text("[a]\r\nx=1");
    ASSERT_TRUE(unterminated.write("b", "y", "2"));
    EXPECT_EQ(unterminated.text(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");

    auto header_only = ProfileFile::from_text("[a]");
    ASSERT_TRUE(header_only.write("a", "k", "v"));
    EXPECT_EQ(header_only.text(), "[a]\r\nk=v\r\n");
}

TEST(ProfileFileWrite, ValuesTheReaderWouldChangeAreQuoted) {
    auto file = ProfileFile::from_text("[s]\n");
    for (const std::string value : {" lead", "trail\t", "\"q\"", "'q'", " \"a\" ", "\"", "a\"b", "x\t\t"}) {
        ASSERT_TRUE(file.write("s", "k", value));
        EXPECT_EQ(file.read("s", "k", ""), value);
        EXPECT_EQ(ProfileFile::from_text(file.text()).read("s", "k", ""), value);
    }
    ASSERT_TRUE(file.write("s", "k", "plain value"));
    EXPECT_EQ(file.text(), "[s]\nk=plain value\n");  // what needs no quotes gets none
}

TEST(ProfileFileWrite, LineBreaksCannotInjectALine) {
    auto file = ProfileFile::from_text("[s]\r\nk=1\r\n");
    EXPECT_FALSE(file.write("s", "k", "2\r\n[evil]\r\nx=y"));
    EXPECT_FALSE(file.write("s", "k", "2\nx=y"));
    EXPECT_FALSE(file.write("s\n[t]", "k", "2"));
    EXPECT_FALSE(file.write("s", "k\r", "2"));
    EXPECT_FALSE(file.write("s", "a=b", "2"));  // would read back as key "a"
    EXPECT_FALSE(file.write("s", ";k", "2"));
    EXPECT_EQ(file.text(), "[s]\r\nk=1\r\n");
}

// An editor may save the file in UTF-8; it is read as such and written back as it came.
TEST(ProfileFileEncoding, Utf8FilesAreReadAndWrittenInUtf8) {
    for (const std::string mark : {"\xEF\xBB\xBF", ""}) {
        auto file = ProfileFile::from_text(mark + "[设置]\r\n动画作者=许银川\r\n[Other]\r\nName=é\r\n");
        EXPECT_EQ(file.read(G("设置"), G("动画作者"), ""), G("许银川"));
        ASSERT_TRUE(file.write(G("设置"), G("帧延时"), "30"));
        ASSERT_TRUE(file.write(G("设置"), G("动画作者"), G("胡荣华")));
        // Every other byte stays, the é that GBK has no place for included.
        EXPECT_EQ(file.text(), mark + "[设置]\r\n动画作者=胡荣华\r\n帧延时=30\r\n[Other]\r\nName=é\r\n");
    }
    // A mark before plain ASCII: new Chinese lines are UTF-8 too.
    auto ascii = ProfileFile::from_text("\xEF\xBB\xBF[Window]\r\nX=1\r\n");
    ASSERT_TRUE(ascii.write(G("设置"), G("动画作者"), G("某人")));
    EXPECT_EQ(ascii.text(), "\xEF\xBB\xBF[Window]\r\nX=1\r\n[设置]\r\n动画作者=某人\r\n");
}

TEST(ProfileFileEncoding, Utf8BytesAreNeverTakenForGbkPairs) {
    // In GBK, the last byte of 设 (E8 AE BE) and "]" would be one character.
    auto file = ProfileFile::from_text("[设]\nKey=1\n");
    EXPECT_EQ(file.read(G("设"), "key", "x"), "1");
    // ...and the last byte of 设 with "K" one character that no case folding touches.
    auto folded = ProfileFile::from_text("[s]\n设Key=2\n");
    EXPECT_EQ(folded.read("s", G("设key"), "x"), "2");
}

}  // namespace
}  // namespace kelvara
