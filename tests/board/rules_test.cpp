// The move generator against published perft counts and against hand-checked rules:
// palace, river, elephant eye, horse leg, cannon screen, facing generals and check.

#include <algorithm>

#include <gtest/gtest.h>

#include "board/fen.h"
#include "board/layouts.h"
#include "board/rules.h"

namespace kelvara {
namespace {

struct PerftCase {
    const char* fen;
    std::uint64_t counts[4];  // depths 1 to 4
};

// The start position and public test positions; the counts agree with an independent
// engine's perft.
constexpr PerftCase kPerft[] = {
    {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w", {44, 1920, 79666, 3290240}},
    {"r1ba1a3/4kn3/2n1b4/pNp1p1p1p/4c4/6P2/P1P2R2P/1CcC5/9/2BAKAB2 w", {38, 1128, 43929, 1339047}},
    {"1cbak4/9/n2a5/2p1p3p/5cp2/2n2N3/6PCP/3AB4/2C6/3A1K1N1 w", {7, 281, 8620, 326201}},
    {"5a3/3k5/3aR4/9/5r3/5n3/9/3A1A3/5K3/2BC2B2 w", {25, 424, 9850, 202884}},
    {"CRN1k1b2/3ca4/4ba3/9/2nr5/9/9/4B4/4A4/4KA3 w", {28, 516, 14808, 395483}},
    {"R1N1k1b2/9/3aba3/9/2nr5/2B6/9/4B4/4A4/4KA3 w", {21, 364, 7626, 162837}},
    {"C1nNk4/9/9/9/9/9/n1pp5/B3C4/9/3A1K3 w", {28, 222, 6241, 64971}},
    {"4ka3/4a4/9/9/4N4/p8/9/4C3c/7n1/2BK5 w", {23, 345, 8124, 149272}},
    {"2b1ka3/9/b3N4/4n4/9/9/9/4C4/2p6/2BK5 w", {21, 195, 3883, 48060}},
};

TEST(Perft, MatchesPublishedCounts) {
    for (const PerftCase& c : kPerft) {
        const FenPosition fen = parse_fen(c.fen);
        Position board = fen.board;
        for (int depth = 1; depth <= 4; ++depth) {
            EXPECT_EQ(perft(board, Side::Red, depth), c.counts[depth - 1]) << c.fen << " depth " << depth;
        }
        EXPECT_EQ(board, fen.board) << "make and unmake leave the position as it was";
    }
}

Position with(std::string_view fen) { return parse_fen_board(fen); }

std::vector<Square> destinations(const Position& p, Side side, Square from) {
    std::vector<Square> out;
    for (const Move m : legal_moves_from(p, side, from)) out.push_back(m.to);
    std::sort(out.begin(), out.end(), [](Square a, Square b) { return a.row != b.row ? a.row < b.row : a.column < b.column; });
    return out;
}

TEST(Rules, HorseLegAndElephantEye) {
    // A red horse on b0 (row 0, column 7) with a piece on its leg towards the river: only
    // the sideways jump remains. (The generals stand on different files in these tests.)
    Position p = with("3k5/9/9/9/9/9/9/9/1P7/1N2K4");
    EXPECT_EQ(destinations(p, Side::Red, {0, 7}), (std::vector<Square>{{1, 5}}));
    p = with("3k5/9/9/9/9/9/9/9/9/1N2K4");
    EXPECT_EQ(destinations(p, Side::Red, {0, 7}), (std::vector<Square>{{1, 5}, {2, 6}, {2, 8}}));
    // An elephant with its eye blocked cannot go that way, and never crosses the river.
    p = with("3k5/9/9/9/9/2B6/3P5/9/9/4K4");
    EXPECT_EQ(destinations(p, Side::Red, {4, 6}), (std::vector<Square>{{2, 8}}));
}

TEST(Rules, CannonNeedsAScreenToTake) {
    // A red cannon on file e: a black chariot two squares up with nothing between cannot
    // be taken; with a screen between them it can, and the cannon cannot pass the screen.
    Position p = with("3k5/9/9/9/9/4r4/9/4C4/9/5K3");
    auto to = destinations(p, Side::Red, {2, 4});
    EXPECT_EQ(std::count(to.begin(), to.end(), Square{4, 4}), 0);
    EXPECT_EQ(std::count(to.begin(), to.end(), Square{3, 4}), 1);
    p = with("3k5/9/9/9/9/4r4/4p4/4C4/9/5K3");
    to = destinations(p, Side::Red, {2, 4});
    EXPECT_EQ(std::count(to.begin(), to.end(), Square{4, 4}), 1);
    EXPECT_EQ(std::count(to.begin(), to.end(), Square{3, 4}), 0);
}

TEST(Rules, GeneralsMayNotFaceAndPinnedPiecesStay) {
    // The red horse between the two generals cannot leave the file.
    const Position p = with("4k4/9/9/9/9/9/9/4N4/9/4K4");
    EXPECT_TRUE(legal_moves_from(p, Side::Red, {2, 4}).empty());
    // The general may not step onto the open file of the other general.
    const Position q = with("3k5/9/9/9/9/9/9/9/9/4K4");
    for (const Move m : legal_moves_from(q, Side::Red, {0, 4})) EXPECT_NE(m.to.column, 5);
    EXPECT_FALSE(in_check(q, Side::Red));
    EXPECT_TRUE(in_check(with("4k4/9/9/9/9/9/9/9/9/4K4"), Side::Red));

    // Its movement alone lets the pinned horse go: all eight jumps.
    std::vector<Move> movement;
    append_movement_moves(p, Side::Red, movement);
    EXPECT_EQ(std::count_if(movement.begin(), movement.end(), [](Move m) { return m.from == Square{2, 4}; }), 8);
    EXPECT_GT(movement.size(), legal_moves(p, Side::Red).size());
}

TEST(Rules, SoldiersCrossTheRiverToGoSideways) {
    const Position home = with("4k4/9/9/9/9/9/4P4/9/9/4K4");
    EXPECT_EQ(destinations(home, Side::Red, {3, 4}), (std::vector<Square>{{4, 4}}));
    const Position over = with("4k4/9/9/4P4/9/9/9/9/9/3K5");
    EXPECT_EQ(destinations(over, Side::Red, {6, 4}), (std::vector<Square>{{6, 3}, {6, 5}, {7, 4}}));
}

TEST(Rules, MateAndStrangePositions) {
    // Two chariots mate the black general on its back rank.
    const Position mate = with("3Rk4/R8/9/9/9/9/9/9/9/3K5");
    EXPECT_TRUE(in_check(mate, Side::Black));
    EXPECT_TRUE(has_no_moves(mate, Side::Black));
    // Positions records can hold: no generals, pieces where they never stand.
    Position odd = with("PPPPPPPPP/ppppppppp/BBBBBBBBB/9/9/9/9/9/9/9");
    EXPECT_FALSE(in_check(odd, Side::Red));
    EXPECT_NO_FATAL_FAILURE(perft(odd, Side::Red, 2));
    odd[5][5] = 77;  // a code that is no piece stands for an empty square
    EXPECT_NO_FATAL_FAILURE(perft(odd, Side::Black, 2));
    EXPECT_FALSE(is_legal_move(kStandardLayout, Side::Red, {{0, 0}, {12, 0}}));
    EXPECT_TRUE(is_legal_move(kStandardLayout, Side::Red, {{2, 1}, {2, 4}}));   // 炮二平五
    EXPECT_FALSE(is_legal_move(kStandardLayout, Side::Black, {{2, 1}, {2, 4}}));
}

}  // namespace
}  // namespace kelvara
