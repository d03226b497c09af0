// WXF, coordinate and algebraic moves read against the board, and the WXF and ICCS
// writers, on the worked table of the same moves in every notation and on tandem pieces.

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "board/rules.h"
#include "board_builder.h"
#include "notation/iccs_notation.h"
#include "notation/wxf_notation.h"
#include "notation_test_support.h"

namespace kelvara {
namespace {

using notation::Notation;
using test::board_with;
using test::mv;

struct Worked {
    Side side;
    const char* wxf;
    const char* iccs;
    const char* winboard;  // ranks 0-9
    const char* pychess;   // ranks 1-10
    Move move;
};

// Each from the start position, black's as if it were black's turn there.
constexpr Worked kWorked[] = {
    {Side::Red, "C2.5", "H2-E2", "Che2", "Che3", {{2, 1}, {2, 4}}},
    {Side::Red, "C8.5", "B2-E2", "Cbe2", "Cbe3", {{2, 7}, {2, 4}}},
    {Side::Red, "H2+3", "H0-G2", "Hg2", "Hg3", {{0, 1}, {2, 2}}},
    {Side::Red, "P7+1", "C3-C4", "c4", "Pc5", {{3, 6}, {4, 6}}},
    {Side::Red, "R9+1", "A0-A1", "Ra1", "Ra2", {{0, 8}, {1, 8}}},
    {Side::Red, "E3+5", "G0-E2", "Ege2", "Ege3", {{0, 2}, {2, 4}}},
    {Side::Red, "A4+5", "F0-E1", "Afe1", "Afe2", {{0, 3}, {1, 4}}},
    {Side::Red, "K5+1", "E0-E1", "Ke1", "Ke2", {{0, 4}, {1, 4}}},
    {Side::Black, "H8+7", "H9-G7", "Hg7", "Hg8", {{9, 1}, {7, 2}}},
    {Side::Black, "C2.5", "B7-E7", "Cbe7", "Cbe8", {{7, 7}, {7, 4}}},
    {Side::Black, "C8+7", "H7-H0", "Cxh0", "Cxh1", {{7, 1}, {0, 1}}},
    {Side::Black, "P3+1", "C6-C5", "c5", "Pc6", {{6, 6}, {5, 6}}},
    {Side::Black, "E3+5", "C9-E7", "Ece7", "Ece8", {{9, 6}, {7, 4}}},
};

TEST(LetterNotations, TheWorkedTableReadsAndWritesInEveryNotation) {
    const Position start = layouts::kStandardLayout;
    for (const Worked& w : kWorked) {
        SCOPED_TRACE(w.wxf);
        EXPECT_EQ(test::read_one(Notation::Wxf, w.side, w.wxf, start), w.move);
        EXPECT_EQ(test::read_one(Notation::Iccs, w.side, w.iccs, start), w.move);
        EXPECT_EQ(test::read_one(Notation::Algebraic, w.side, w.winboard, start, {0}), w.move);
        EXPECT_EQ(test::read_one(Notation::Algebraic, w.side, w.pychess, start, {1}), w.move);
        EXPECT_EQ(notation::wxf_move_text(start, w.move), w.wxf);
        EXPECT_EQ(notation::iccs_move_text(w.move), w.iccs);
    }
    EXPECT_EQ(notation::iccs_move_text(mv(2, 1, 2, 4), notation::IccsStyle::Ucci), "h2e2");
}

TEST(LetterNotations, WxfVariantsRealFilesWrite) {
    const Position start = layouts::kStandardLayout;
    for (const char* token : {"C2=5", "c2.5", "Ｃ２＝５", "C2.5!", "C2.5?!", "C2.5+", "!C2.5"})
        EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, token, start), mv(2, 1, 2, 4)) << token;
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Black, "h8+7", start), mv(9, 1, 7, 2));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "N2+3", start), mv(0, 1, 2, 2));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "B3+5", start), mv(0, 2, 2, 4));
    for (const char* token : {"C2.", "X2.5", "C2*5", "C0.5", "C2.0", "C2.55", ""})
        EXPECT_FALSE(notation::read_move(Notation::Wxf, test::G(token), start, Side::Red).well_formed) << token;
}

TEST(LetterNotations, WxfTandemSignsTellLikePiecesApart) {
    const Position chariots = board_with({{0, 1, 23}, {4, 1, 24}});
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "R+.3", chariots), mv(4, 1, 4, 2));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "R-+1", chariots), mv(0, 1, 1, 1));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "+R-1", chariots), mv(4, 1, 3, 1));
    EXPECT_EQ(notation::wxf_move_text(chariots, mv(4, 1, 4, 2)), "R+.3");
    EXPECT_EQ(notation::wxf_move_text(chariots, mv(0, 1, 1, 1)), "R-+1");

    // Three pawns on red's file 5: P+, P5, P-.
    const Position three = board_with({{5, 4, 27}, {6, 4, 28}, {7, 4, 29}});
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P+.4", three), mv(7, 4, 7, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P5.4", three), mv(6, 4, 6, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P..4", three), mv(6, 4, 6, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P-.4", three), mv(5, 4, 5, 3));
    EXPECT_EQ(notation::wxf_move_text(three, mv(6, 4, 6, 3)), "P5.4");

    // Four pawns: ++ P+ P- --; five add the middle P<file>.
    const Position four = board_with({{5, 4, 27}, {6, 4, 28}, {7, 4, 29}, {8, 4, 30}});
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "++.4", four), mv(8, 4, 8, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P+.4", four), mv(7, 4, 7, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P-.4", four), mv(6, 4, 6, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "--.4", four), mv(5, 4, 5, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "Pb.4", four), mv(7, 4, 7, 3));  // a-e count from the front
    const Position five = board_with({{5, 4, 27}, {6, 4, 28}, {7, 4, 29}, {8, 4, 30}, {9, 4, 31}});
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "P5.4", five), mv(7, 4, 7, 3));
    EXPECT_EQ(notation::wxf_move_text(five, mv(9, 4, 9, 3)), "++.4");
    EXPECT_EQ(notation::wxf_move_text(five, mv(7, 4, 7, 3)), "P5.4");
    EXPECT_EQ(notation::wxf_move_text(five, mv(6, 4, 6, 5)), "P-.6");

    // Pawns on two files: three on red's file 3, two on file 7.
    const Position two_files = board_with({{5, 2, 27}, {6, 2, 28}, {7, 2, 29}, {5, 6, 30}, {6, 6, 31}});
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "3+.4", two_files), mv(7, 2, 7, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "33.4", two_files), mv(6, 2, 6, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "3-.4", two_files), mv(5, 2, 5, 3));
    EXPECT_EQ(test::read_one(Notation::Wxf, Side::Red, "7-.6", two_files), mv(5, 6, 5, 5));
    EXPECT_EQ(notation::wxf_move_text(two_files, mv(6, 2, 6, 3)), "33.4");
    EXPECT_EQ(notation::wxf_move_text(two_files, mv(6, 6, 6, 7)), "7+.8");

    // Advisors and elephants keep their file digit.
    const Position advisors = board_with({{0, 3, 17}, {2, 3, 18}});
    EXPECT_EQ(notation::wxf_move_text(advisors, mv(2, 3, 1, 4)), "A4-5");
}

TEST(LetterNotations, CoordinatesNeedTheSidesPieceGoingAsItMoves) {
    const Position start = layouts::kStandardLayout;
    for (const char* token : {"h2e2", "H2-E2", "h2-e2", "Ｈ２－Ｅ２", "h2e2!"})
        EXPECT_EQ(test::read_one(Notation::Iccs, Side::Red, token, start), mv(2, 1, 2, 4)) << token;
    EXPECT_EQ(test::read_one(Notation::Iccs, Side::Black, "h2e2", start), std::nullopt);  // red's cannon
    EXPECT_EQ(test::read_one(Notation::Iccs, Side::Red, "h2h7", start), std::nullopt);    // no screen to take over
    EXPECT_EQ(test::read_one(Notation::Iccs, Side::Red, "e4e5", start), std::nullopt);    // nothing there
    EXPECT_FALSE(notation::read_move(Notation::Iccs, "j2e2", start, Side::Red).well_formed);
    EXPECT_FALSE(notation::read_move(Notation::Iccs, "h2e", start, Side::Red).well_formed);
}

TEST(LetterNotations, AlgebraicDisambiguatesByFileOrRank) {
    // Two red horses able to reach e2 (x 4, rank 2): from c1 and g1.
    const Position horses = board_with({{0, 4, 16}, {9, 3, 0}, {1, 6, 21}, {1, 2, 22}});
    EXPECT_EQ(notation::read_move(Notation::Algebraic, "He2", horses, Side::Red).candidates.size(), 2u);
    EXPECT_EQ(test::read_one(Notation::Algebraic, Side::Red, "Hce2", horses), mv(1, 6, 2, 4));
    EXPECT_EQ(test::read_one(Notation::Algebraic, Side::Red, "Hge2+", horses), mv(1, 2, 2, 4));
    // pychess writes the rank: A10e9 is the advisor on rank 10 (row 9).
    const Position advisors = board_with({{9, 5, 1}, {7, 5, 2}, {9, 4, 0}, {0, 3, 16}});
    EXPECT_EQ(test::read_one(Notation::Algebraic, Side::Black, "A10e9", advisors, {1}), mv(9, 5, 8, 4));
    EXPECT_EQ(test::read_one(Notation::Algebraic, Side::Black, "A8e9", advisors, {1}), mv(7, 5, 8, 4));
    EXPECT_FALSE(notation::read_move(Notation::Algebraic, "Xe2", horses, Side::Red).well_formed);
    EXPECT_FALSE(notation::read_move(Notation::Algebraic, "e", horses, Side::Red).well_formed);
}

}  // namespace
}  // namespace kelvara
