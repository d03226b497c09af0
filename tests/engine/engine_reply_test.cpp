// Reading what engines write: info lines of both protocols, best moves, options, and
// output cut into lines however it arrives. Engines are other programs: nothing they
// write may be taken for more than it says.

#include <gtest/gtest.h>

#include "engine/engine_reply.h"
#include "engine/line_splitter.h"

namespace kelvara {
namespace {

using Kind = EngineScore::Kind;

TEST(EngineReply, InfoLinesOfBothProtocols) {
    const auto uci = parse_info_line(
        "info depth 10 seldepth 14 multipv 1 score cp -35 nodes 51234 nps 800000 tbhits 0 time 64 pv h3e3 h10g8 b1c3");
    ASSERT_TRUE(uci);
    EXPECT_EQ(uci->depth, 10);
    EXPECT_EQ(uci->score, (EngineScore{Kind::Centipawns, -35}));
    EXPECT_EQ(uci->nodes, 51234);
    EXPECT_FALSE(uci->bound);
    EXPECT_EQ(uci->pv, (std::vector<std::string>{"h3e3", "h10g8", "b1c3"}));

    const auto mate = parse_info_line("info depth 10 score mate -5 pv a1a2");
    ASSERT_TRUE(mate);
    EXPECT_EQ(mate->score, (EngineScore{Kind::Mate, -5}));

    // UCCI writes the score without a unit, and the line may stand before other values.
    const auto ucci = parse_info_line("info depth 7 score 42 pv h2e2 h9g7 time 30 nodes 900");
    ASSERT_TRUE(ucci);
    EXPECT_EQ(ucci->score, (EngineScore{Kind::Centipawns, 42}));
    EXPECT_EQ(ucci->pv, (std::vector<std::string>{"h2e2", "h9g7"}));
    EXPECT_EQ(ucci->nodes, 900);

    const auto bound = parse_info_line("info depth 12 multipv 2 score cp 80 lowerbound nodes 5 pv a1a2");
    ASSERT_TRUE(bound);
    EXPECT_TRUE(bound->bound);
    EXPECT_EQ(bound->multipv, 2);
}

TEST(EngineReply, BrokenInfoLinesSayNoMoreThanTheyHold) {
    EXPECT_FALSE(parse_info_line("information depth 3"));
    EXPECT_FALSE(parse_info_line(""));
    const auto words = parse_info_line("info depth x score cp 12abc pv");
    ASSERT_TRUE(words);
    EXPECT_EQ(words->depth, 0);
    EXPECT_FALSE(words->score);
    EXPECT_TRUE(words->pv.empty());
    // A score no engine means, and free text that looks like values.
    EXPECT_FALSE(parse_info_line("info depth 3 score cp 99999999999")->score);
    const auto text = parse_info_line("info string depth 30 score cp 5 pv a1a2");
    EXPECT_EQ(text->depth, 0);
    EXPECT_FALSE(text->score);
    EXPECT_EQ(parse_info_line("info score")->score, std::nullopt);
}

TEST(EngineReply, BestMoveAndNoMove) {
    EXPECT_EQ(parse_bestmove_line("bestmove h3e3 ponder h10g8")->move, "h3e3");
    EXPECT_EQ(parse_bestmove_line("  bestmove\th2e2  ")->move, "h2e2");
    EXPECT_EQ(parse_bestmove_line("bestmove (none)")->move, "");
    EXPECT_EQ(parse_bestmove_line("nobestmove")->move, "");
    EXPECT_EQ(parse_bestmove_line("bestmove")->move, "");
    EXPECT_FALSE(parse_bestmove_line("bestmoves a1a2"));
    EXPECT_FALSE(parse_bestmove_line("info bestmove a1a2"));
}

TEST(EngineReply, OptionsOfBothProtocols) {
    const auto variant = parse_option_line("option name UCI_Variant type combo default chess var chess var xiangqi");
    ASSERT_TRUE(variant);
    EXPECT_EQ(variant->name, "UCI_Variant");
    EXPECT_EQ(variant->type, "combo");
    EXPECT_EQ(variant->choices, (std::vector<std::string>{"chess", "xiangqi"}));
    EXPECT_EQ(parse_option_line("option name Clear Hash type button")->name, "Clear Hash");
    EXPECT_EQ(parse_option_line("option usemillisec type check default false")->name, "usemillisec");
    EXPECT_FALSE(parse_option_line("option name type spin"));
    EXPECT_FALSE(parse_option_line("options name X type spin"));

    EXPECT_EQ(parse_id_name("id name Fairy-Stockfish 11.1 LB 64 "), "Fairy-Stockfish 11.1 LB 64");
    EXPECT_FALSE(parse_id_name("id author Someone"));
}

TEST(LineSplitter, LinesComeWholeHoweverTheBytesArrive) {
    LineSplitter s;
    EXPECT_TRUE(s.feed("info de").empty());
    EXPECT_EQ(s.feed("pth 3\r\nuciok\nready"), (std::vector<std::string>{"info depth 3", "uciok"}));
    EXPECT_EQ(s.feed("ok\n\n"), (std::vector<std::string>{"readyok", ""}));

    // An overlong line is cut, and the line after it is whole.
    const auto lines = s.feed(std::string(LineSplitter::kMaxLine * 3, 'x') + "\nbestmove a0a1\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), LineSplitter::kMaxLine);
    EXPECT_EQ(lines[1], "bestmove a0a1");
}

}  // namespace
}  // namespace kelvara
