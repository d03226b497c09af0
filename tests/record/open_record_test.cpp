#include "record/open_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "board/layouts.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;

void write(const std::filesystem::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

constexpr const char* kQq = "1 2 25 32 1 2 1 2 4 0 1 0 5 32 0 9 1 7 2 0 2 0\n";

TEST(OpenRecord, ChoosesTheReaderByTheExtensionInAnyCaseOrByTheContent) {
    test::TempDir dir;
    // A record whose extension says nothing or is wrong is read for what it holds.
    const std::pair<const char*, bool> cases[] = {
        {"game.CHE", true}, {"game.pgn.che", true}, {"game.Che", true}, {"game.txt", true}, {"game", true}};
    for (const auto& [name, reads] : cases) {
        write(dir.path() / name, kQq);
        GameRecord game;
        MoveList list;
        const auto outcome = open_record(dir.path() / name, game, list);
        EXPECT_EQ(outcome.opened, reads) << name;
        EXPECT_EQ(outcome.refusal, reads ? OpenOutcome::Refusal::None : OpenOutcome::Refusal::NotARecord) << name;
        EXPECT_EQ(game.loaded, reads) << name;
        EXPECT_EQ(list.row_count(), reads ? 2 : 0) << name;
    }
}

// What is on screen must survive a file that gives nothing to show.
TEST(OpenRecord, AFileWithoutAMoveOrAStartPositionIsRefusedAndTheGameStays) {
    test::TempDir dir;
    write(dir.path() / "a.pgn", G("[Event \"甲\"]\n1. 炮二平五 马８进７\n"));
    GameRecord game;
    game.flip_state = 1;
    MoveList list;
    ASSERT_TRUE(open_record(dir.path() / "a.pgn", game, list).opened);
    list.select(1);
    game.current_move = 1;
    const GameRecord before = game;

    std::string binary;
    for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 7919 + 13) % 256);
    const std::pair<const char*, std::string> files[] = {
        {"empty.pgn", ""},
        {"binary.che", binary},
        {"tags-only.pgn", G("[Event \"无着法\"]\n*\n")},
        {"notes.txt", G("这不是棋谱\n")},  // a .txt holding moves is read by its content
        {"unplayable.pgn", G("1. 车二进十\n")},
    };
    for (const auto& [name, bytes] : files) {
        write(dir.path() / name, bytes);
        const OpenOutcome outcome = open_record(dir.path() / name, game, list);
        EXPECT_FALSE(outcome.opened) << name;
        EXPECT_EQ(outcome.refusal, OpenOutcome::Refusal::NotARecord) << name;
        EXPECT_EQ(game.moves, before.moves) << name;
        EXPECT_EQ(game.board, before.board) << name;
        EXPECT_EQ(game.title, before.title) << name;
        EXPECT_EQ(game.file_name, before.file_name) << name;
        EXPECT_EQ(game.current_move, 1) << name;
        EXPECT_EQ(list.row_count(), 2) << name;
        EXPECT_EQ(list.selection(), 1) << name;
    }
    // The first move could not be played: the reason goes with the refusal.
    const OpenOutcome unplayable = open_record(dir.path() / "unplayable.pgn", game, list);
    ASSERT_TRUE(unplayable.stop);
    EXPECT_EQ(unplayable.stop->move, 1);
}

TEST(OpenRecord, AStartPositionWithoutMovesIsARecord) {
    test::TempDir dir;
    write(dir.path() / "end.pgn", "[FEN \"4k4/9/9/9/9/9/9/9/9/4K4 w - - 0 1\"]\n");
    GameRecord game;
    MoveList list;
    const OpenOutcome outcome = open_record(dir.path() / "end.pgn", game, list);
    ASSERT_TRUE(outcome.opened);
    EXPECT_TRUE(game.loaded);
    EXPECT_TRUE(game.moves.empty());
    EXPECT_EQ(game.fen_start, "4k4/9/9/9/9/9/9/9/9/4K4");
    EXPECT_EQ(game.board[0][4], kRedKing);
    EXPECT_EQ(game.current_move, -1);
    EXPECT_EQ(U(game.title), "end");
}

TEST(OpenRecord, EveryFormatOpensByItsContentAndGenericTextOnlyByItsContent) {
    const std::string dhtmlxq = "[DhtmlXQ_movelist]77477062[/DhtmlXQ_movelist]";
    const std::string xqf = std::string("XQ\x0A", 3) + std::string(1021, '\0');
    for (const char* name : {"page.html", "game.ubb", "game.txt", "game.pgn", "game"}) {
        GameRecord game;
        MoveList list;
        EXPECT_TRUE(open_record_bytes(dhtmlxq, name, game, list).opened) << name;
        EXPECT_EQ(list.row_count(), 2) << name;
    }
    EXPECT_EQ(U(find_record_format("x.xqf", xqf)->name), "XQF棋谱");
    EXPECT_EQ(U(find_record_format("x.pgn", xqf)->name), "XQF棋谱");
    // A page or text is read for what it holds: a list of moves as PGN, prose as no record.
    EXPECT_EQ(U(find_record_format("notes.txt", "1. h2e2")->name), "PGN棋谱");
    EXPECT_EQ(find_record_format("notes.html", "<p>hello</p>"), nullptr);
    EXPECT_EQ(find_record_format("notes.txt", "hello"), nullptr);
}

TEST(OpenRecord, TitleComesFromTheEventOrTheFileName) {
    test::TempDir dir;
    const auto che = dir.path() / "对局.che";
    write(che, kQq);
    GameRecord game;
    MoveList list;
    const auto outcome = open_record(che, game, list);
    EXPECT_EQ(U(game.title), "对局");
    EXPECT_EQ(U(game.file_name), "对局.che");
    EXPECT_EQ(U(outcome.caption), "对局.che");
    EXPECT_EQ(game.current_move, -1);

    const auto pgn = dir.path() / "x.pgn";
    write(pgn, G("[Event \"第一届嘉宝杯象棋对抗赛上海胡荣华先胜广东吕钦\"]\n1. 炮二平五\n"));
    open_record(pgn, game, list);
    // 44 bytes cut to 36 at a whole character.
    EXPECT_EQ(U(game.title), "第一届嘉宝杯象棋对抗赛上海胡荣华先胜");
    EXPECT_EQ(game.title.size(), 36u);
    const std::string odd = G("a") + G("第一届嘉宝杯象棋对抗赛上海胡荣华先胜广东");
    std::string t = odd;
    cut_title(t);
    EXPECT_EQ(t.size(), 35u);  // 36 would split 胜
}

TEST(OpenRecord, CaptionKeepsUpTo57Bytes) {
    const std::string name57 = std::string(53, 'a') + ".che";
    EXPECT_EQ(caption_text(name57), name57);
    const std::string name58 = std::string(54, 'a') + ".che";
    EXPECT_EQ(caption_text(name58), std::string(54, 'a') + "...");
    const std::string chinese = std::string(53, 'a') + G("棋谱.che");  // byte 54 starts 棋
    EXPECT_EQ(caption_text(chinese), std::string(53, 'a') + "...");
}

TEST(OpenRecord, AFileThatCannotBeReadChangesNothing) {
    test::TempDir dir;
    write(dir.path() / "a.che", kQq);
    GameRecord game;
    MoveList list;
    ASSERT_TRUE(open_record(dir.path() / "a.che", game, list).opened);
    EXPECT_FALSE(open_record(dir.path() / "missing.che", game, list).opened);
    EXPECT_FALSE(open_record("", game, list).opened);
    EXPECT_FALSE(open_record(dir.path(), game, list).opened);  // a folder
    EXPECT_EQ(list.row_count(), 2);
    EXPECT_EQ(game.moves.size(), 2u);
    EXPECT_EQ(U(game.title), "a");
}

// Whatever its extension, a file that no format takes is refused and changes nothing.
TEST(OpenRecord, AFileNoFormatTakesIsRefusedAndTheRecordStays) {
    test::TempDir dir;
    write(dir.path() / "a.che", kQq);
    GameRecord game;
    MoveList list;
    ASSERT_TRUE(open_record(dir.path() / "a.che", game, list).opened);
    list.select(1);
    const std::pair<const char*, std::string> refused[] = {
        {"empty.pgn", ""},
        {"binary.pgn", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xD8", 18)},
        {"notes.txt", "no record here\n"},
        {"words.che", G("红方胜利")},
        {"settings.pgn", G("[设置]\n动画作者=某人\n")},
    };
    for (const auto& [name, bytes] : refused) {
        write(dir.path() / name, bytes);
        const auto outcome = open_record(dir.path() / name, game, list);
        EXPECT_FALSE(outcome.opened) << name;
        EXPECT_EQ(outcome.refusal, OpenOutcome::Refusal::NotARecord) << name;
        EXPECT_EQ(game.moves.size(), 2u) << name;
        EXPECT_EQ(list.row_count(), 2) << name;
        EXPECT_EQ(list.selection(), 1) << name;
        EXPECT_EQ(U(game.file_name), "a.che") << name;
        EXPECT_TRUE(list_record_games(bytes, name).empty()) << name;
    }
}

// The table of formats lists each extension once and takes a record in a .txt by content.
TEST(OpenRecord, TheTableOfFormatsChoosesByExtensionThenContent) {
    EXPECT_EQ(find_record_format("x.pgn", G("1. 炮二平五")), find_record_format("x.txt", G("1. 炮二平五")));
    EXPECT_EQ(find_record_format("x.che", "[Event \"x\"]")->name, find_record_format("x.pgn", "[Event \"x\"]")->name);
    EXPECT_EQ(find_record_format("x.pgn", kQq)->extensions[0], ".che");
    std::vector<std::string_view> seen;
    for (const RecordFormat& f : record_formats())
        for (const std::string_view e : f.extensions) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), e), 0) << e;
            seen.push_back(e);
        }
    EXPECT_EQ(list_record_games(G("[Event \"一\"]\n1. 炮二平五\n[Event \"二\"]\n1. 兵七进一\n"), "two.pgn").size(), 2u);
    EXPECT_EQ(list_record_games(kQq, "a.che").at(0).plies, 2);
}

// Files made from game 2 of a file of several are named apart from game 1's.
TEST(OpenRecord, GamesOfOneFileKnowWhichTheyAre) {
    GameRecord game;
    MoveList list;
    const std::string two = G("[Event \"一\"]\n1. 炮二平五\n[Event \"二\"]\n1. 兵七进一\n");
    const auto second = open_record_bytes(two, "two.pgn", game, list, 1);
    EXPECT_EQ(second.game_index, 1);
    EXPECT_EQ(second.game_count, 2);
    EXPECT_EQ(game_name_suffix(second), "-2");
    EXPECT_EQ(U(game.title), "二");
    EXPECT_EQ(game_name_suffix(open_record_bytes(kQq, "a.che", game, list)), "");
}

TEST(OpenRecord, AnotherRecordReplacesTheFirstWhole) {
    test::TempDir dir;
    write(dir.path() / "a.pgn", G("[Event \"甲\"]\n[FEN \"4k4/9/9/9/9/9/9/9/9/4K4 w\"]\n1. 帅五进一\n"));
    write(dir.path() / "b.che", kQq);
    GameRecord game;
    MoveList list;
    open_record(dir.path() / "a.pgn", game, list);
    list.select(0);
    game.current_move = 0;
    open_record(dir.path() / "b.che", game, list);
    EXPECT_TRUE(game.fen_start.empty());
    EXPECT_EQ(game.moves.size(), 2u);
    EXPECT_EQ(game.current_move, -1);
    EXPECT_EQ(list.selection(), -1);
    EXPECT_EQ(U(game.title), "b");
    EXPECT_EQ(game.board, kStandardLayout);
}

}  // namespace
}  // namespace kelvara
