#include "app/settings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;

void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Settings from_text(const std::string& utf8) { return load_settings(ProfileFile::from_text(G(utf8))); }

TEST(LoadSettings, DefaultsWithoutAFile) {
    test::TempDir dir;
    const auto s = load_settings(dir.path() / "rcanim.ini");
    EXPECT_TRUE(s.sound_effects);
    EXPECT_FALSE(s.background_music);
    EXPECT_EQ(s.demo_delay, 1000);
    EXPECT_EQ(s.frame_delay, 100);
    EXPECT_EQ(s.author, "");
    EXPECT_FALSE(s.start_at_selected_move);
}

TEST(LoadSettings, OnlyTheExactWordsCountForTheSwitches) {
    // Sounds need "真"; the tune is off only for "假": an unknown word turns it on.
    const auto odd = from_text("[设置]\r\n使用音效=abc\r\n使用背乐=abc\r\n");
    EXPECT_FALSE(odd.sound_effects);
    EXPECT_TRUE(odd.background_music);

    const auto plain = from_text("[设置]\r\n使用音效=假\r\n使用背乐=真\r\n");
    EXPECT_FALSE(plain.sound_effects);
    EXPECT_TRUE(plain.background_music);
}

TEST(LoadSettings, DelaysAndAuthor) {
    const auto s = from_text("[设置]\r\n演示延时=1500\r\n帧延时=30\r\n动画作者= 象棋迷 \r\n");
    EXPECT_EQ(s.demo_delay, 1500);
    EXPECT_EQ(s.frame_delay, 30);
    EXPECT_EQ(s.author, G("象棋迷")) << test::U(s.author);

    const auto odd = from_text("[设置]\r\n演示延时=１２００ms\r\n帧延时=abc\r\n");
    EXPECT_EQ(odd.demo_delay, 1200);  // full-width digits fold, the unit is ignored
    EXPECT_EQ(odd.frame_delay, 100);  // no number: the default
}

// A value the program could not show nor use is never shown nor saved back.
TEST(LoadSettings, ImpossibleDelaysGiveTheirDefaults) {
    const std::pair<const char*, const char*> cases[] = {{"-2147483600", "-3"}, {"299", "1"}, {"8001", "65536"}};
    for (const auto& [demo, frame] : cases) {
        const auto s = from_text(std::string("[设置]\r\n演示延时=") + demo + "\r\n帧延时=" + frame + "\r\n");
        EXPECT_EQ(s.demo_delay, 1000) << demo;
        EXPECT_EQ(s.frame_delay, 100) << frame;
    }
    const auto ends = from_text("[设置]\r\n演示延时=8000\r\n帧延时=2\r\n");
    EXPECT_EQ(ends.demo_delay, 8000);
    EXPECT_EQ(ends.frame_delay, 2);
}

// A file an editor saved in UTF-8 is read as such and stays UTF-8, with its mark.
TEST(Settings, AUtf8FileIsReadAndWrittenBackInUtf8) {
    test::TempDir dir;
    const auto path = dir.path() / "rcanim.ini";
    for (const std::string mark : {"\xEF\xBB\xBF", ""}) {
        const std::string utf8 = "[设置]\r\n使用音效=假\r\n演示延时=1500\r\n动画作者=许银川\r\n; 注释\r\n";
        write_bytes(path, mark + utf8);
        Settings s = load_settings(path);
        EXPECT_FALSE(s.sound_effects);
        EXPECT_EQ(s.demo_delay, 1500);
        EXPECT_EQ(s.author, G("许银川"));
        s.frame_delay = 30;
        ASSERT_TRUE(save_settings(s, path));
        EXPECT_EQ(test::read_file(path), mark + "[设置]\r\n使用音效=假\r\n演示延时=1500\r\n动画作者=许银川\r\n"
                                                "使用背乐=假\r\n帧延时=30\r\n显示大小=100\r\n棋盘翻转=假\r\n分析引擎=" +
                                                default_engine_program() +
                                                "\r\n分析用时=1000\r\n引擎线程=1\r\n显示分析=假\r\n图片大小=1\r\n; 注释\r\n");
    }
}

// The user protected the file from writing: it is not replaced behind their back.
TEST(SaveSettings, AFileTheUserMayNotWriteIsNotReplaced) {
    test::TempDir dir;
    const auto path = dir.path() / "rcanim.ini";
    const std::string before = G("[设置]\r\n帧延时=30\r\n");
    write_bytes(path, before);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    test::give_to_ordinary_user(dir.path());
    test::give_to_ordinary_user(path);
    EXPECT_TRUE(test::run_as_ordinary_user([&] {
        FileError error;
        return !save_settings(Settings{}, path, &error) && error.kind == FileError::Kind::System &&
               error.error_number == EACCES;
    }));
    EXPECT_EQ(test::read_file(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(LoadSettings, AnalysisValuesWithinTheirBounds) {
    const auto none = from_text("[设置]\r\n");
    EXPECT_EQ(none.engine_program, default_engine_program());
    EXPECT_EQ(none.analysis_time, 1000);
    EXPECT_EQ(none.engine_threads, 1);
    EXPECT_FALSE(none.analysis_shown);

    const auto set = from_text("[设置]\r\n分析引擎=/opt/引擎/pikafish\r\n分析用时=2500\r\n引擎线程=4\r\n显示分析=真\r\n");
    EXPECT_EQ(set.engine_program, G("/opt/引擎/pikafish"));
    EXPECT_EQ(set.analysis_time, 2500);
    EXPECT_EQ(set.engine_threads, 4);
    EXPECT_TRUE(set.analysis_shown);

    // An empty program means no engine; numbers beyond their range give the defaults.
    const auto odd = from_text("[设置]\r\n分析引擎=\r\n分析用时=5\r\n引擎线程=-3\r\n显示分析=abc\r\n");
    EXPECT_EQ(odd.engine_program, "");
    EXPECT_EQ(odd.analysis_time, 1000);
    EXPECT_EQ(odd.engine_threads, 1);
    EXPECT_FALSE(odd.analysis_shown);
    const auto ends = from_text("[设置]\r\n分析用时=600000\r\n引擎线程=256\r\n");
    EXPECT_EQ(ends.analysis_time, kAnalysisTimeRange.highest);
    EXPECT_EQ(ends.engine_threads, kMostEngineThreads);
    EXPECT_EQ(from_text("[设置]\r\n分析用时=600001\r\n").analysis_time, 1000);
}

TEST(SaveSettings, NewFileHoldsTheKeysInOrder) {
    test::TempDir dir;
    const auto path = dir.path() / "sub" / "rcanim.ini";  // the folder is created
    Settings s;
    s.background_music = true;
    s.demo_delay = 1500;
    s.frame_delay = 30;
    s.author = G("象棋迷");
    s.start_at_selected_move = true;  // never stored
    s.display_size = 150;
    s.engine_program = "fairy-stockfish";
    s.analysis_time = 300;
    s.engine_threads = 2;
    s.analysis_shown = true;
    s.picture_size = 2;
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(test::read_file(path),
              G("[设置]\r\n使用音效=真\r\n使用背乐=真\r\n演示延时=1500\r\n帧延时=30\r\n动画作者=象棋迷\r\n显示大小=150\r\n"
                "棋盘翻转=假\r\n分析引擎=fairy-stockfish\r\n分析用时=300\r\n引擎线程=2\r\n显示分析=真\r\n图片大小=2\r\n"));

    const auto back = load_settings(path);
    EXPECT_EQ(back.sound_effects, s.sound_effects);
    EXPECT_EQ(back.background_music, s.background_music);
    EXPECT_EQ(back.demo_delay, s.demo_delay);
    EXPECT_EQ(back.frame_delay, s.frame_delay);
    EXPECT_EQ(back.author, s.author);
    EXPECT_EQ(back.display_size, 150);
    EXPECT_EQ(back.engine_program, s.engine_program);
    EXPECT_EQ(back.analysis_time, s.analysis_time);
    EXPECT_EQ(back.engine_threads, s.engine_threads);
    EXPECT_EQ(back.analysis_shown, s.analysis_shown);
    EXPECT_EQ(back.picture_size, 2);
    EXPECT_FALSE(back.board_turned);
    s.board_turned = true;
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_TRUE(load_settings(path).board_turned);
}

TEST(SaveSettings, KeepsEveryOtherByteOfTheFile) {
    test::TempDir dir;
    const auto path = dir.path() / "rcanim.ini";
    const std::string head = "; written by hand\r\n[Window]\r\nX=10\r\nx=20\r\n\r\n";
    const std::string tail = "\r\n[其他]\r\n帧延时=7\r\n";
    write_bytes(path, G(head + "[设置]\r\n 使用音效 = 假 \r\nColour=Red\r\n演示延时=1\r\n" + tail));

    Settings s;
    s.sound_effects = true;
    s.frame_delay = 55;
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(test::U(test::read_file(path)),
              head + "[设置]\r\n使用音效=真\r\nColour=Red\r\n演示延时=1000\r\n使用背乐=假\r\n帧延时=55\r\n动画作者=\r\n" +
                  "显示大小=100\r\n棋盘翻转=假\r\n分析引擎=\r\n分析用时=1000\r\n引擎线程=1\r\n显示分析=假\r\n图片大小=1\r\n" + tail);
    EXPECT_EQ(load_settings(path).frame_delay, 55);
}

TEST(DisplaySize, OnlyTheOfferedSizesAreTaken) {
    EXPECT_EQ(from_text("[设置]\r\n").display_size, 100);
    EXPECT_EQ(from_text("[设置]\r\n显示大小=150\r\n").display_size, 150);
    EXPECT_EQ(from_text("[设置]\r\n显示大小= 200 \r\n").display_size, 200);
    // A size the program does not offer, or a text that is no size at all, is the default.
    for (const char* odd : {"175", "0", "-150", "150%", "abc", "", "99999999999999999999", "１５０"})
        EXPECT_EQ(from_text(std::string("[设置]\r\n显示大小=") + odd + "\r\n").display_size, 100) << odd;

    // A size that is not offered is never stored either.
    ProfileFile file;
    Settings s;
    s.display_size = 333;
    ASSERT_TRUE(save_settings(s, file));
    EXPECT_EQ(load_settings(file).display_size, 100);
    EXPECT_EQ(offered_display_size(200), 200);
    EXPECT_EQ(offered_display_size(120), 100);
}

TEST(PictureSize, OnlyTheOfferedScalesAreTakenAndStored) {
    EXPECT_EQ(from_text("[设置]\r\n").picture_size, 1);
    EXPECT_EQ(from_text("[设置]\r\n图片大小=3\r\n").picture_size, 3);
    for (const char* odd : {"4", "0", "-2", "2x", "", "２"})
        EXPECT_EQ(from_text(std::string("[设置]\r\n图片大小=") + odd + "\r\n").picture_size, 1) << odd;
    ProfileFile file;
    Settings s;
    s.picture_size = 7;
    ASSERT_TRUE(save_settings(s, file));
    EXPECT_EQ(load_settings(file).picture_size, 1);
}

TEST(SaveSettings, FailureLeavesNothingHalfWritten) {
    test::TempDir dir;
    // The folder is a plain file: nothing can be created in it.
    write_bytes(dir.path() / "blocked", "not a folder");
    EXPECT_FALSE(save_settings(Settings{}, dir.path() / "blocked" / "rcanim.ini"));
    EXPECT_EQ(test::read_file(dir.path() / "blocked"), "not a folder");

    // An author with a line break would inject a line; the file stays as it was.
    const auto path = dir.path() / "rcanim.ini";
    const std::string before = G("[设置]\r\n动画作者=甲\r\n");
    write_bytes(path, before);
    Settings s;
    s.author = "a\r\n[x]";
    EXPECT_FALSE(save_settings(s, path));
    EXPECT_EQ(test::read_file(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    auto file = ProfileFile::from_text(before);
    EXPECT_FALSE(save_settings(s, file));
    EXPECT_EQ(file.text(), before);  // not even the first four keys
}

TEST(SaveSettings, AnUnreadableFileIsNotOverwritten) {
    test::TempDir dir;
    const auto path = dir.path() / "rcanim.ini";
    std::filesystem::create_directory(path);  // exists, but cannot be read as a file
    EXPECT_FALSE(save_settings(Settings{}, path));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(AuthorLine, PrefixOrNothing) {
    EXPECT_EQ(author_line(G("象棋迷")), G("动画制作：象棋迷"));
    EXPECT_EQ(author_line(""), "");
}

}  // namespace
}  // namespace kelvara
