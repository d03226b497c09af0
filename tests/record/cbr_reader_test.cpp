#include "record/cbr_reader.h"

#include <gtest/gtest.h>

#include "game_dump.h"
#include "support/ccbridge_files.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::dump_game;
using test::U;
using test::CbrFile;
using test::CblFile;
using test::cbr_square;
using test::u32;

using Loaded = test::ReadGame;

Loaded read(const std::string& bytes) {
    return test::read_with([&](GameRecord& g, MoveList& l) { return read_cbr_record(bytes, g, l); });
}

TEST(CbrReader, ReadsTheFactsTheTreeAndTheComments) {
    CbrFile f;
    f.text(180, u"第一轮");
    f.text(180 + 6, u"\0垃圾");  // what follows the terminator is not text
    f.text(692, u"全国赛");
    f.text(1076, u"胡荣华");
    f.text(1300, u"杨官璘");
    f.byte(2076, 3);
    f.root(0x00, u"开局\r\n");
    f.move("h2e2", 0x02, u"中炮");  // has a sibling after its subtree
    f.move("h9g7", 0x01);
    f.move("b2e2", 0x01);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(U(l.game.title), "第一轮");
    EXPECT_EQ(l.game.notation, "cbr");
    EXPECT_EQ(U(l.game.info.event), "全国赛");
    EXPECT_EQ(U(l.game.info.red), "胡荣华");
    EXPECT_EQ(U(l.game.info.black), "杨官璘");
    EXPECT_EQ(l.game.info.result, "1/2-1/2");
    EXPECT_TRUE(l.game.fen_start.empty());
    EXPECT_EQ(dump_game(l.game), "{开局} h2e2 {中炮} ( b2e2 ) h9g7");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
}

TEST(CbrReader, ARootWithoutMovesIsAPosition) {
    CbrFile f;
    f.clear_board();
    f.piece("e0", 0x15);
    f.piece("e9", 0x25);
    f.piece("a3", 0x11);
    f.root(0x01, u"摆局");
    const Loaded l = read(f.bytes());
    EXPECT_FALSE(l.stop);
    EXPECT_TRUE(l.game.moves.empty());
    EXPECT_EQ(l.game.fen_start, "4k4/9/9/9/9/9/R8/9/9/4K4");
    EXPECT_EQ(U(l.game.start_comment), "摆局");
}

TEST(CbrReader, ACommentLongerThanTheRecordStopsAtItsMove) {
    CbrFile f;
    f.root(0x00);
    f.move("h2e2", 0x00);
    f.raw(std::string("\x05\x00", 2) + static_cast<char>(cbr_square("h9")) + static_cast<char>(cbr_square("g7")) +
          u32(1000) + "ab");
    const Loaded l = read(f.bytes());
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 2);
    EXPECT_EQ(l.stop->reason, StopReason::RecordBreaksOff);
    EXPECT_EQ(l.game.moves.size(), 1u);
    // A record too short to hold its board is no game at all.
    EXPECT_TRUE(read(f.bytes().substr(0, 2200)).stop);
}

TEST(CbrReader, BlackMayMoveFirst) {
    CbrFile f;
    f.clear_board();
    f.piece("e0", 0x15);
    f.piece("d9", 0x25);
    f.piece("a9", 0x21);
    f.byte(2112, 2);
    f.root(0x00);
    f.move("a9a1", 0x01);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(l.game.first_to_move, Side::Black);
    EXPECT_EQ(U(l.list.rows()[0].text), "黑：车1进8");
}

// A library of three slots: a game, a heading without moves, and a deleted copy; the
// index names the game's record by its GUID although it lies in the last slot.
TEST(CblReader, OffersTheLiveGamesWithMovesFoundByTheirGuid) {
    CblFile library(3);
    library.entry(0, 7, 0, 3);  // the game, in slot 2
    library.entry(1, 7, 1, 2);  // the heading
    library.entry(2, 5, 2, 1);  // deleted
    library.add_record(u"删除的", true, 1);
    library.add_record(u"标题", false, 2);
    library.add_record(u"对局", true, 3);

    const auto games = list_cbl_games(library.bytes());
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(U(games[0].title), "对局");
    EXPECT_EQ(games[0].plies, 1);
    GameRecord game;
    MoveList list;
    EXPECT_FALSE(read_cbl_game(library.bytes(), 0, game, list));
    EXPECT_EQ(U(game.title), "对局");
    EXPECT_TRUE(read_cbl_game(library.bytes(), 1, game, list));
}

}  // namespace
}  // namespace kelvara
