#include "notation/move_notation.h"

#include <climits>

#include <gtest/gtest.h>

#include "board_builder.h"
#include "board/layouts.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::board_with;

constexpr int kRed = 1;
constexpr int kBlack = 0;

// The writer's text in UTF-8, for readable comparisons.
std::string written(PieceCode piece, int side, int r1, int c1, int r2, int c2, const Position& board) {
    return test::U(move_notation(piece, side, r1, c1, r2, c2, board));
}

TEST(MoveNotation, PlainMovesNameThePieceAndItsFile) {
    const Position& start = layouts::kStandardLayout;
    EXPECT_EQ(written(25, kRed, 2, 1, 2, 4, start), "红：炮二平五");
    EXPECT_EQ(written(5, kBlack, 9, 1, 7, 2, start), "黑：马8进7");
    EXPECT_EQ(written(7, kBlack, 9, 0, 9, 1, start), "黑：车9平8");
    EXPECT_EQ(written(19, kRed, 0, 2, 2, 4, start), "红：相三进五");
    EXPECT_EQ(written(1, kBlack, 9, 3, 8, 4, start), "黑：士6进5");

    EXPECT_EQ(written(23, kRed, 0, 0, 3, 0, board_with({{0, 0, 23}})), "红：车一进三");
    EXPECT_EQ(written(16, kRed, 0, 4, 1, 4, board_with({{0, 4, 16}})), "红：帅五进一");
    EXPECT_EQ(written(7, kBlack, 5, 0, 8, 0, board_with({{5, 0, 7}})), "黑：车9退3");
    EXPECT_EQ(written(21, kRed, 2, 2, 0, 1, board_with({{2, 2, 21}})), "红：马三退二");
}

TEST(MoveNotation, TwinsOnAFileAreFrontAndRear) {
    const Position red = board_with({{2, 0, 23}, {5, 0, 24}});
    EXPECT_EQ(written(24, kRed, 5, 0, 8, 0, red), "红：前车进三");
    EXPECT_EQ(written(23, kRed, 2, 0, 2, 3, red), "红：后车平四");

    const Position black = board_with({{2, 3, 7}, {5, 3, 8}});
    EXPECT_EQ(written(7, kBlack, 2, 3, 1, 3, black), "黑：前车进1");
    EXPECT_EQ(written(8, kBlack, 5, 3, 6, 3, black), "黑：后车退1");

    // Horses name the destination file after the position word.
    const Position horses = board_with({{2, 4, 21}, {4, 4, 22}});
    EXPECT_EQ(written(22, kRed, 4, 4, 6, 5, horses), "红：前马进六");
}

TEST(MoveNotation, AdvisorsAndElephantsSharingAFileKeepTheirFile) {
    const Position advisors = board_with({{0, 3, 17}, {2, 3, 18}});
    EXPECT_EQ(written(17, kRed, 0, 3, 1, 4, advisors), "红：仕四进五");
    EXPECT_EQ(written(18, kRed, 2, 3, 1, 4, advisors), "红：仕四退五");

    const Position elephants = board_with({{9, 2, 3}, {5, 2, 4}});
    EXPECT_EQ(written(4, kBlack, 5, 2, 7, 0, elephants), "黑：象7退9");
}

TEST(MoveNotation, TwinOfTheOtherColourIsNoTwin) {
    const Position board = board_with({{0, 0, 23}, {5, 0, 7}});
    EXPECT_EQ(written(23, kRed, 0, 0, 3, 0, board), "红：车一进三");
    EXPECT_EQ(written(7, kBlack, 5, 0, 4, 0, board), "黑：车9进1");
}

TEST(MoveNotation, PawnsSharingOneFileAreFrontMiddleAndRear) {
    const Position black = board_with({{2, 4, 11}, {4, 4, 12}, {6, 4, 13}});
    EXPECT_EQ(written(11, kBlack, 2, 4, 1, 4, black), "黑：前卒进1");
    EXPECT_EQ(written(12, kBlack, 4, 4, 4, 3, black), "黑：中卒平6");
    EXPECT_EQ(written(13, kBlack, 6, 4, 5, 4, black), "黑：后卒进1");

    const Position red = board_with({{5, 4, 27}, {6, 4, 28}, {7, 4, 29}});
    EXPECT_EQ(written(29, kRed, 7, 4, 8, 4, red), "红：前兵进一");
    EXPECT_EQ(written(28, kRed, 6, 4, 6, 3, red), "红：中兵平四");
    EXPECT_EQ(written(27, kRed, 5, 4, 6, 4, red), "红：后兵进一");

    // A single pawn elsewhere does not turn the pair into numbered pawns.
    const Position pair = board_with({{5, 2, 27}, {6, 2, 28}, {7, 6, 29}});
    EXPECT_EQ(written(28, kRed, 6, 2, 7, 2, pair), "红：前兵进一");
    EXPECT_EQ(written(27, kRed, 5, 2, 5, 1, pair), "红：后兵平二");
}

TEST(MoveNotation, PawnsOnTwoFilesAreNumberedFromTheSidesRight) {
    const Position red = board_with({{4, 2, 27}, {5, 2, 28}, {4, 6, 29}, {5, 6, 30}});
    EXPECT_EQ(written(28, kRed, 5, 2, 6, 2, red), "红：一兵进一");
    EXPECT_EQ(written(27, kRed, 4, 2, 5, 2, red), "红：二兵进一");
    EXPECT_EQ(written(30, kRed, 5, 6, 5, 7, red), "红：三兵平八");
    EXPECT_EQ(written(29, kRed, 4, 6, 5, 6, red), "红：四兵进一");

    // Black counts from the higher column, front pawn (lower row) first.
    const Position black = board_with({{4, 2, 11}, {5, 2, 12}, {4, 6, 13}, {5, 6, 14}});
    EXPECT_EQ(written(13, kBlack, 4, 6, 3, 6, black), "黑：一卒进1");
    EXPECT_EQ(written(14, kBlack, 5, 6, 5, 5, black), "黑：二卒平4");
    EXPECT_EQ(written(11, kBlack, 4, 2, 3, 2, black), "黑：三卒进1");
    EXPECT_EQ(written(12, kBlack, 5, 2, 5, 1, black), "黑：四卒平8");

    // Three on one file and two on another: five ordinals.
    const Position five = board_with({{5, 2, 27}, {6, 2, 28}, {7, 2, 29}, {5, 6, 30}, {6, 6, 31}});
    EXPECT_EQ(written(29, kRed, 7, 2, 8, 2, five), "红：一兵进一");
    EXPECT_EQ(written(27, kRed, 5, 2, 6, 2, five), "红：三兵进一");
    EXPECT_EQ(written(31, kRed, 6, 6, 7, 6, five), "红：四兵进一");
    EXPECT_EQ(written(30, kRed, 5, 6, 6, 6, five), "红：五兵进一");
}

TEST(MoveNotation, FourOrFivePawnsOnOneFileAreNumberedFrontFirst) {
    const Position red = board_with({{4, 4, 27}, {5, 4, 28}, {6, 4, 29}, {7, 4, 30}, {6, 0, 31}});
    EXPECT_EQ(written(30, kRed, 7, 4, 7, 3, red), "红：一兵平四");
    EXPECT_EQ(written(28, kRed, 5, 4, 6, 4, red), "红：三兵进一");
    EXPECT_EQ(written(27, kRed, 4, 4, 4, 5, red), "红：四兵平六");

    const Position black = board_with({{1, 4, 11}, {2, 4, 12}, {3, 4, 13}, {4, 4, 14}, {5, 4, 15}});
    EXPECT_EQ(written(11, kBlack, 1, 4, 0, 4, black), "黑：一卒进1");
    EXPECT_EQ(written(15, kBlack, 5, 4, 4, 4, black), "黑：五卒进1");
}

TEST(MoveNotation, LonePawnKeepsItsFile) {
    EXPECT_EQ(written(13, kBlack, 6, 6, 5, 6, board_with({{6, 6, 13}})), "黑：卒3进1");
    // Two pawns on another file leave a lone pawn's notation alone.
    const Position board = board_with({{4, 6, 13}, {2, 2, 11}, {3, 2, 12}});
    EXPECT_EQ(written(13, kBlack, 4, 6, 4, 5, board), "黑：卒3平4");
}

// The side is taken as given, even when it disagrees with the piece's colour.
TEST(MoveNotation, OnlyTheLowByteOfTheSideCounts) {
    const Position board = board_with({{2, 1, 25}});
    EXPECT_EQ(written(25, 0x100, 2, 1, 2, 4, board), "黑：炮8平5");
    EXPECT_EQ(written(25, 0x101, 2, 1, 2, 4, board), "红：炮二平五");
    EXPECT_EQ(written(25, -1, 2, 1, 2, 4, board), "红：炮二平五");
}

// Corrupt records can carry any numbers; the writer must still return a text without
// touching memory beyond the board (run under the sanitizer build to see reads).
TEST(MoveNotation, SquaresOffTheBoardStillGiveAText) {
    const Position& start = layouts::kStandardLayout;
    const int values[] = {INT_MIN, -100, -1, 0, 4, 9, 10, 100, INT_MAX};
    const PieceCode pieces[] = {0, 5, 11, 16, 23, 27, 31, 32, kEmpty, 255};
    for (const PieceCode piece : pieces)
        for (const int side : {kBlack, kRed})
            for (const int a : values)
                for (const int b : values) {
                    const std::string text = move_notation(piece, side, a, b, b, a, start);
                    EXPECT_GE(text.size(), 4u);
                }
    // The writer keeps the number rather than dropping it.
    EXPECT_EQ(written(23, kRed, 0, 10, 3, 10, start), "红：车11进三");
}

}  // namespace
}  // namespace kelvara
