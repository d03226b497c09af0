// A whole game analysed position after position: the marks from the evaluations, an
// analysis cancelled and taken up again, and one whose engine fails half-way.

#include "board/layouts.h"
#include "board/rules.h"
#include "engine/game_analysis.h"
#include "engine/game_annotation.h"
#include "fake_engine_fixture.h"

namespace kelvara {
namespace {

using test::FakeEngineTest;

// The first legal move, n times from the start.
std::vector<Move> opening(int n) {
    std::vector<Move> moves;
    Position board = kStandardLayout;
    Side side = Side::Red;
    for (int i = 0; i < n; ++i) {
        moves.push_back(legal_moves(board, side).front());
        make_move(board, moves.back());
        side = opponent(side);
    }
    return moves;
}

TEST(GameAnalysisMarks, EachMoveIsJudgedByItsMoversLoss) {
    std::vector<AnalysedPosition> positions(5);
    const std::optional<Evaluation> red_view[] = {Evaluation{30, {}}, Evaluation{-100, {}}, std::nullopt,
                                                  Evaluation{-90, {}}, Evaluation{std::nullopt, 1}};
    for (int i = 0; i < 5; ++i) {
        positions[i].ply = i;
        positions[i].side_to_move = i % 2 == 0 ? Side::Red : Side::Black;
        positions[i].evaluation = red_view[i];
    }
    mark_moves(positions);
    EXPECT_EQ(positions[0].mark, MoveMark::None);
    EXPECT_EQ(positions[1].mark, MoveMark::Dubious);  // red gave 130
    EXPECT_EQ(positions[2].mark, MoveMark::None);     // nothing known after it
    EXPECT_EQ(positions[3].mark, MoveMark::None);     // nor before it
    EXPECT_EQ(positions[4].mark, MoveMark::Blunder);  // black lets itself be mated
}

TEST(GameAnalysisMarks, PositionsFollowTheGame) {
    const auto moves = opening(3);
    const auto positions = game_positions(kStandardLayout, Side::Red, moves);
    ASSERT_EQ(positions.size(), 4u);
    EXPECT_TRUE(positions[0].moves.empty());
    EXPECT_EQ(positions[3].moves, moves);
    EXPECT_EQ(positions[3].side_to_move(), Side::Black);
}

TEST(GameAnnotation, CommentsGiveTheEvaluationAndForAMistakeTheBetterMove) {
    // 马二进三 (a mistake, says the analysis), 马8进7, and a move the engine never judged.
    GameRecord game;
    game.moves = {move_record(kStandardLayout, {{0, 1}, {2, 2}}), MoveRecord{}, MoveRecord{}};
    game.notes_for(0).comment = test::G("开局");
    std::vector<AnalysedPosition> positions(4);
    for (int i = 0; i < 4; ++i) {
        positions[i].ply = i;
        positions[i].side_to_move = i % 2 == 0 ? Side::Red : Side::Black;
        positions[i].position = {kStandardLayout, Side::Red, {}};
    }
    positions[0].evaluation = Evaluation{20, std::nullopt};
    positions[0].best = Move{{2, 1}, {2, 4}};  // 炮二平五
    positions[1].evaluation = Evaluation{-150, std::nullopt};
    positions[1].mark = MoveMark::Dubious;
    positions[2].evaluation = Evaluation{std::nullopt, -3};
    annotate(game, positions);
    EXPECT_EQ(test::U(game.notes_of(0).comment), "开局 ? -150，较好的是炮二平五（+20）");
    EXPECT_EQ(test::U(game.notes_of(1).comment), "黑方3步杀");
    EXPECT_EQ(game.notes_of(2).comment, "");
}

using GameAnalysisTest = FakeEngineTest;

TEST_F(GameAnalysisTest, CancelledAndTakenUpAgainItFinishes) {
    EngineClient client(quick(fake("--variants xiangqi --scores 10,20,30,40,50")));
    std::optional<GameAnalysis> analysis;
    client.on_update([&](const SearchUpdate& u) { analysis->take(u); });
    attach_failures(client);
    analysis.emplace(client, game_positions(kStandardLayout, Side::Red, opening(4)), SearchLimit{.depth = 2});
    ASSERT_TRUE(client.start());
    analysis->start();
    ASSERT_TRUE(pump_until(client, [&] { return analysis->answered() >= 2; }));
    analysis->cancel();
    const int answered = analysis->answered();
    EXPECT_TRUE(analysis->cancelled());
    EXPECT_FALSE(analysis->done());
    EXPECT_FALSE(client.busy());
    pump_until(client, [] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(analysis->answered(), answered);

    analysis->start();
    ASSERT_TRUE(pump_until(client, [&] { return analysis->done(); }));
    EXPECT_TRUE(failures_.empty());
    ASSERT_EQ(analysis->total(), 5);
    for (const AnalysedPosition& p : analysis->positions()) {
        EXPECT_TRUE(p.answered);
        const int own = 10 * (p.ply + 1);
        EXPECT_EQ(p.evaluation, (Evaluation{p.side_to_move == Side::Red ? own : -own, std::nullopt})) << p.ply;
        EXPECT_TRUE(p.best);
    }
    // Each side's standing only grows: no move is marked.
    for (const AnalysedPosition& p : analysis->positions()) EXPECT_EQ(p.mark, MoveMark::None);
}

TEST_F(GameAnalysisTest, AnEngineThatFailsHalfWayKeepsWhatWasAnswered) {
    EngineClient client(quick(fake("--variants xiangqi --exit-at-go 3")));
    GameAnalysis analysis(client, game_positions(kStandardLayout, Side::Red, opening(6)), SearchLimit{.depth = 1});
    client.on_update([&](const SearchUpdate& u) { analysis.take(u); });
    attach_failures(client);
    ASSERT_TRUE(client.start());
    analysis.start();
    ASSERT_TRUE(pump_until(client, [&] { return !failures_.empty(); }));
    EXPECT_EQ(failures_[0].kind, EngineFailure::Kind::Exited);
    EXPECT_EQ(analysis.answered(), 2);
    EXPECT_TRUE(analysis.positions()[1].answered);
    EXPECT_FALSE(analysis.positions()[2].answered);
    EXPECT_FALSE(analysis.done());
}

}  // namespace
}  // namespace kelvara
