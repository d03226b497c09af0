// Moves as engines write them, in both countings of ranks, checked against moves that
// players know; and the evaluation turned to red's side with the marks it gives.

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "engine/engine_move.h"
#include "engine/evaluation.h"
#include "notation/iccs_notation.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

struct KnownMove {
    const char* name;  // as players write it, for messages
    Move move;         // standard orientation: row 0 is red's back rank, column 0 red's file 一
    const char* from_zero;
    const char* from_one;
    const char* iccs;
};

constexpr KnownMove kKnownMoves[] = {
    {"炮二平五", {{2, 1}, {2, 4}}, "h2e2", "h3e3", "H2-E2"},
    {"马二进三", {{0, 1}, {2, 2}}, "h0g2", "h1g3", "H0-G2"},
    {"车九进一", {{0, 8}, {1, 8}}, "a0a1", "a1a2", "A0-A1"},
    {"马8进7", {{9, 1}, {7, 2}}, "h9g7", "h10g8", "H9-G7"},
    {"炮8进7", {{7, 1}, {0, 1}}, "h7h0", "h8h1", "H7-H0"},
};

TEST(EngineMove, BothCountingsOfRanks) {
    for (const KnownMove& k : kKnownMoves) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(engine_move_text(k.move, 0), k.from_zero);
        EXPECT_EQ(engine_move_text(k.move, 1), k.from_one);
        EXPECT_EQ(notation::iccs_move_text(k.move), k.iccs);
        EXPECT_EQ(parse_engine_move(k.from_zero, 0), k.move);
        EXPECT_EQ(parse_engine_move(k.from_one, 1), k.move);
        EXPECT_EQ(parse_engine_move(k.iccs, 0), k.move);
    }
}

TEST(EngineMove, TextsThatAreNoMoves) {
    for (const char* text : {"", "h2", "h2e", "j2e2", "h2e2x", "h-1e2", "h2e22", "e0e10"})
        EXPECT_FALSE(parse_engine_move(text, 0)) << text;
    EXPECT_FALSE(parse_engine_move("e0e1", 1));   // rank 0 does not exist counted from 1
    EXPECT_FALSE(parse_engine_move("e9e11", 1));  // nor rank 11
    EXPECT_TRUE(parse_engine_move("e9e10", 1));
}

TEST(EngineMove, WhatAMoveShowsOfTheCounting) {
    EXPECT_EQ(rank_base_shown("h0g2"), 0);
    EXPECT_EQ(rank_base_shown("h10g8"), 1);
    EXPECT_EQ(rank_base_shown("h2e2"), std::nullopt);
    EXPECT_EQ(rank_base_shown("junk"), std::nullopt);
}

TEST(Evaluation, TurnedToRedsSide) {
    using K = EngineScore::Kind;
    EXPECT_EQ(red_side_evaluation({K::Centipawns, 35}, Side::Red), (Evaluation{35, std::nullopt}));
    EXPECT_EQ(red_side_evaluation({K::Centipawns, 35}, Side::Black), (Evaluation{-35, std::nullopt}));
    EXPECT_EQ(red_side_evaluation({K::Mate, 3}, Side::Black), (Evaluation{std::nullopt, -3}));
    EXPECT_EQ(red_side_evaluation({K::Mate, -2}, Side::Black), (Evaluation{std::nullopt, 2}));

    // Mates outweigh material, quicker ones more; mate 0 is a loss for the side to move.
    const Evaluation big{5000, std::nullopt}, mate_in_1{std::nullopt, 1}, mate_in_5{std::nullopt, 5};
    EXPECT_GT(red_value(mate_in_5, Side::Red), red_value(big, Side::Red));
    EXPECT_GT(red_value(mate_in_1, Side::Red), red_value(mate_in_5, Side::Red));
    EXPECT_EQ(red_value({std::nullopt, 0}, Side::Black), kMateValue);
    EXPECT_EQ(red_value({std::nullopt, 0}, Side::Red), -kMateValue);
}

TEST(Evaluation, MarksFollowTheDropFromTheMoversSide) {
    const auto cp = [](int v) { return Evaluation{v, std::nullopt}; };
    // Red: +50 before, then +30, -80, -300 after.
    EXPECT_EQ(mark_for_move(cp(50), Side::Red, cp(30)), MoveMark::None);
    EXPECT_EQ(mark_for_move(cp(50), Side::Red, cp(-80)), MoveMark::Dubious);
    EXPECT_EQ(mark_for_move(cp(50), Side::Red, cp(-300)), MoveMark::Blunder);
    EXPECT_EQ(mark_for_move(cp(50), Side::Red, cp(-50)), MoveMark::None);  // exactly 100 does not pass
    // Black gains when red's number falls.
    EXPECT_EQ(mark_for_move(cp(50), Side::Black, cp(-300)), MoveMark::None);
    EXPECT_EQ(mark_for_move(cp(-50), Side::Black, cp(200)), MoveMark::Dubious);
    // Letting a mate slip is a blunder; a slower mate that still wins is no mistake.
    EXPECT_EQ(mark_for_move({std::nullopt, 2}, Side::Red, cp(400)), MoveMark::Blunder);
    EXPECT_EQ(mark_for_move({std::nullopt, 2}, Side::Red, {std::nullopt, 4}), MoveMark::None);
    // Delivering mate: the mated side to move is black.
    EXPECT_EQ(mark_for_move({std::nullopt, 1}, Side::Red, {std::nullopt, 0}), MoveMark::None);
    EXPECT_EQ(mark_text(MoveMark::Dubious), "?");
    EXPECT_EQ(evaluation_text(cp(35), Side::Black), "+35");
    EXPECT_EQ(evaluation_text(cp(-120), Side::Red), "-120");
    EXPECT_EQ(evaluation_text(cp(0), Side::Red), "0");
    EXPECT_EQ(evaluation_text({std::nullopt, 5}, Side::Black), test::G("红方5步杀"));
    EXPECT_EQ(evaluation_text({std::nullopt, -3}, Side::Red), test::G("黑方3步杀"));
    EXPECT_EQ(evaluation_text({std::nullopt, 0}, Side::Black), test::G("红胜"));
    EXPECT_EQ(evaluation_text({std::nullopt, 0}, Side::Red), test::G("黑胜"));
    EXPECT_EQ(mark_text(MoveMark::Blunder), "??");
    EXPECT_EQ(mark_text(MoveMark::None), "");
}

}  // namespace
}  // namespace kelvara
