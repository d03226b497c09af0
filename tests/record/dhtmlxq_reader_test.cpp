#include "record/dhtmlxq_reader.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "game_dump.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::dump_game;
using test::G;
using test::U;

using Loaded = test::ReadGame;

Loaded read(const std::string& bytes, int index = 0) {
    return test::read_with([&](GameRecord& g, MoveList& l) { return read_dhtmlxq_game(bytes, index, g, l); });
}

std::string tag(const std::string& name, const std::string& value) {
    return "[DhtmlXQ_" + name + "]" + value + "[/DhtmlXQ_" + name + "]";
}

TEST(DhtmlXqReader, ReadsTheFactsAndTheMovesFromAPage) {
    const std::string page = "<html><body><div style=\"display:none\">[DhtmlXQ]\n" + tag("title", G("测试对局")) +
                             "\n" + tag("event", G("全国赛")) + tag("red", G("广东 吕钦")) + tag("black", "B") +
                             tag("result", G("红胜")) + tag("date", "1997") + "\n" + tag("movelist", "77477062") +
                             "[/DhtmlXQ]</div></body></html>";
    const Loaded l = read(page);
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(U(l.game.title), "测试对局");
    EXPECT_EQ(l.game.notation, "dhtmlxq");
    EXPECT_EQ(U(l.game.info.event), "全国赛");
    EXPECT_EQ(U(l.game.info.red), "广东 吕钦");
    EXPECT_EQ(l.game.info.black, "B");
    EXPECT_EQ(l.game.info.result, "1-0");
    EXPECT_EQ(l.game.info.date, "1997");
    EXPECT_TRUE(l.game.fen_start.empty());
    ASSERT_EQ(l.list.row_count(), 2);
    EXPECT_EQ(U(l.list.rows()[0].text), "1.红：炮二平五");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
    // Results the record names in other words are kept as it writes them.
    EXPECT_EQ(U(read(tag("title", G("对局")) + tag("result", G("未知"))).game.info.result), "未知");
}

TEST(DhtmlXqReader, TheSameRecordInUtf8ReadsAlike) {
    const std::string record = "[DhtmlXQ]" + tag("title", G("对局")) + tag("comment1", G("中炮")) +
                               tag("movelist", "7747") + "[/DhtmlXQ]";
    const Loaded gbk = read(record);
    const Loaded utf8 = read("\xEF\xBB\xBF" + U(record));
    EXPECT_EQ(utf8.game.title, gbk.game.title);
    EXPECT_EQ(dump_game(utf8.game), dump_game(gbk.game));
    EXPECT_EQ(dump_game(gbk.game), " h2e2 {中炮}");
}

TEST(DhtmlXqReader, BranchesBecomeAlternativesInTheOrderOfTheirNumbers) {
    // Main line h2e2 h9g7 h0g2. Branch 2 replaces ply 2 (h7e7, then h0g2 with comment);
    // branch 1 replaces ply 1 (b2e2); branch 3, inside branch 2, replaces its ply 3
    // (b0c2). Branch 5 hangs on branch 4, which does not exist: it is left out.
    const std::string record = tag("movelist", "774770627967") + tag("move_0_2_2", "72427967") +
                               tag("move_0_1_1", "1747") + tag("move_2_3_3", "1927") + tag("move_4_1_5", "2625") +
                               tag("comment2_3", G("二||三")) + tag("comment0", G("开局")) +
                               tag("comment3", G("主变"));
    const Loaded l = read(record);
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(dump_game(l.game),
              U(G("{开局} h2e2 ( b2e2 ) h9g7 ( h7e7 h0g2 {二\n三} ( b0c2 ) ) h0g2 {主变}")));
}

TEST(DhtmlXqReader, ABranchEndsBeforeAMoveThatCannotBePlayed) {
    // Branch 1 replaces ply 2 with h7e7, then moves a black cannon (b7c7) on red's turn.
    const Loaded l = read(tag("movelist", "77477062") + tag("move_0_2_1", "72421222"));
    EXPECT_FALSE(l.stop);
    EXPECT_EQ(dump_game(l.game), " h2e2 h9g7 ( h7e7 )");
}

TEST(DhtmlXqReader, AMainLineThatCannotBePlayedOrIsCutShortStops) {
    const Loaded illegal = read(tag("movelist", "77477072"));  // a horse moving straight
    ASSERT_TRUE(illegal.stop);
    EXPECT_EQ(illegal.stop->move, 2);
    EXPECT_EQ(illegal.stop->reason, StopReason::IllegalMove);
    EXPECT_EQ(illegal.game.moves.size(), 1u);

    const Loaded cut = read(tag("movelist", "7747706"));
    ASSERT_TRUE(cut.stop);
    EXPECT_EQ(cut.stop->move, 2);
    EXPECT_EQ(cut.stop->reason, StopReason::RecordBreaksOff);

    const Loaded off = read(tag("movelist", "9747"));
    ASSERT_TRUE(off.stop);
    EXPECT_EQ(off.stop->reason, StopReason::SquareOffBoard);
}

TEST(DhtmlXqReader, TheStartComesFromBinitInEitherOrderOrFromAFen) {
    const std::string right_to_left = "8979695949392919097717866646260600102030405060708012720323436383";
    const std::string left_to_right = "0919293949596979891777062646668600102030405060708012720323436383";
    for (const std::string& binit : {right_to_left, left_to_right}) {
        const Loaded l = read(tag("binit", binit) + tag("movelist", "7747"));
        EXPECT_FALSE(l.stop);
        EXPECT_TRUE(l.game.fen_start.empty()) << l.game.fen_start;
    }
    // Red's horses off the board (99).
    std::string handicap = right_to_left;
    handicap.replace(2, 2, "99");
    handicap.replace(14, 2, "99");
    EXPECT_EQ(read(tag("binit", handicap)).game.fen_start, "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/R1BAKAB1R");

    const Loaded fen = read(tag("binit", right_to_left) + tag("fen", "4k4/9/9/9/9/9/9/9/9/3K5 b - - 0 1") +
                            tag("movelist", "4050"));
    EXPECT_EQ(fen.game.fen_start, "4k4/9/9/9/9/9/9/9/9/3K5");
    EXPECT_EQ(fen.game.first_to_move, Side::Black);
    EXPECT_EQ(U(fen.list.rows()[0].text), "黑：将5平6");
}

TEST(DhtmlXqReader, TextDecodesItsEntitiesAndEscapes) {
    const Loaded l = read(tag("title", "A &amp; B &lt;1&gt; \\u5bf9\\u5c40 &#23616;&#x5C40;") + tag("comment0", "x||y"));
    EXPECT_EQ(U(l.game.title), "A & B <1> 对局 局局");
    EXPECT_EQ(l.game.start_comment, "x\ny");
}

TEST(DhtmlXqReader, APageWithSeveralRecordsOffersEach) {
    const std::string page = "<p>[DhtmlXQ]" + tag("title", "one") + tag("movelist", "7747") + "[/DhtmlXQ]</p><p>" +
                             "[DhtmlXQiFrame]" + tag("title", "two") + tag("movelist", "77477062") +
                             "[/DhtmlXQiFrame]</p>";
    const auto games = list_dhtmlxq_games(page);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[1].title, "two");
    EXPECT_EQ(games[1].plies, 2);
    EXPECT_EQ(read(page, 1).game.moves.size(), 2u);
    EXPECT_TRUE(read(page, 2).stop);
    // Tags whose closing tag never comes are not read.
    EXPECT_TRUE(read("[DhtmlXQ_movelist]7747").game.moves.empty());
}

}  // namespace
}  // namespace kelvara
