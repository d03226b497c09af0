// FEN in and out: the one table of letters read and written, the orientation of the
// board field, and the forgiving reading that real records need.

#include <gtest/gtest.h>

#include "board/fen.h"
#include "board/layouts.h"

namespace kelvara {
namespace {

constexpr std::string_view kStart = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR";

bool same_kinds(const Position& a, const Position& b) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (piece_kind(a[r][c]) != piece_kind(b[r][c]) || side_of(a[r][c]) != side_of(b[r][c])) return false;
    return true;
}

TEST(Fen, TheStartIsTheStandardLayoutBothWays) {
    EXPECT_TRUE(same_kinds(parse_fen_board(kStart), kStandardLayout));
    EXPECT_EQ(fen_board(kStandardLayout), kStart);
    EXPECT_EQ(fen_text(kStandardLayout, Side::Black), std::string(kStart) + " b - - 0 1");
}

TEST(Fen, SquaresLandInStandardOrientation) {
    // A red chariot on file a of rank 0 is red's file 九: row 0, column 8; a black horse
    // on file b of rank 9 is row 9, column 7.
    const Position p = parse_fen_board("1n7/9/9/9/9/9/9/9/9/R8");
    EXPECT_EQ(piece_kind(p[0][8]), PieceKind::Chariot);
    EXPECT_TRUE(is_red(p[0][8]));
    EXPECT_EQ(piece_kind(p[9][7]), PieceKind::Horse);
    EXPECT_TRUE(is_black(p[9][7]));
}

TEST(Fen, ReadsTheLettersRealFilesUse) {
    const Position with_e_h = parse_fen_board("rheakaehr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RHEAKAEHR");
    EXPECT_TRUE(same_kinds(with_e_h, kStandardLayout));
    // What is read is written back with the usual letters.
    EXPECT_EQ(fen_board(with_e_h), kStart);
}

TEST(Fen, SideField) {
    EXPECT_EQ(parse_fen(std::string(kStart) + " w - - 0 1").side_to_move, Side::Red);
    EXPECT_EQ(parse_fen(std::string(kStart) + " r").side_to_move, Side::Red);
    EXPECT_EQ(parse_fen(std::string(kStart) + " b").side_to_move, Side::Black);
    // Converted files write "-b" and still start with red: the side is left open.
    EXPECT_EQ(parse_fen(std::string(kStart) + " -b").side_to_move, std::nullopt);
    EXPECT_EQ(parse_fen(kStart).side_to_move, std::nullopt);
}

TEST(Fen, ForgivingBoardFieldAndStrictCheck) {
    // A stray "." (a typo seen in a real record) is skipped; the rest reads.
    const Position p = parse_fen_board("4k4/9/9/9/9/9/9/9/9/4K.4");
    EXPECT_EQ(p[0][4], kRedKing);
    EXPECT_FALSE(is_fen_board("4k4/9/9/9/9/9/9/9/9/4K.4"));
    EXPECT_TRUE(is_fen_board(kStart));
    EXPECT_FALSE(is_fen_board("4k4/9/9/9/9/9/9/9/9"));          // nine ranks
    EXPECT_FALSE(is_fen_board("4k5/9/9/9/9/9/9/9/9/4K4"));      // ten squares on a rank
    EXPECT_FALSE(is_fen_board("4k4/9/9/9/9/9/9/9/9/4K4/9"));    // eleven ranks
    // Too many squares on a rank never write outside the board.
    const Position wide = parse_fen_board("rrrrrrrrrrrrr/99999/9/9/9/9/9/9/9/9");
    EXPECT_EQ(piece_kind(wide[9][0]), PieceKind::Chariot);
}

}  // namespace
}  // namespace kelvara
