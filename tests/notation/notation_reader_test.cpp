#include "notation/notation_reader.h"

#include <gtest/gtest.h>

#include "board_builder.h"
#include "board/layouts.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::board_with;

bool red(const char* utf8, Position& board, std::vector<MoveRecord>& moves) {
    return read_red_notation(test::G(utf8), board, moves);
}
bool black(const char* utf8, Position& board, std::vector<MoveRecord>& moves) {
    return read_black_notation(test::G(utf8), board, moves);
}

MoveRecord move(PieceCode piece, int r1, int c1, int r2, int c2) {
    return {piece, static_cast<std::uint8_t>(r1), static_cast<std::uint8_t>(c1), 0,
            static_cast<std::uint8_t>(r2), static_cast<std::uint8_t>(c2)};
}

// Reads one red or black token on a copy of board and gives the move it made.
std::optional<MoveRecord> read_one(bool is_red, const char* utf8, Position board) {
    std::vector<MoveRecord> moves;
    if (!(is_red ? red(utf8, board, moves) : black(utf8, board, moves))) return std::nullopt;
    return moves.at(0);
}

TEST(NotationReader, PlaysAnOpeningFromTheStart) {
    Position board = layouts::kStandardLayout;
    std::vector<MoveRecord> moves;
    ASSERT_TRUE(red("炮二平五", board, moves));
    ASSERT_TRUE(black("马８进７", board, moves));
    ASSERT_TRUE(black("车９平８", board, moves));
    ASSERT_TRUE(red("兵七进一", board, moves));
    EXPECT_EQ(moves, (std::vector<MoveRecord>{move(25, 2, 1, 2, 4), move(5, 9, 1, 7, 2), move(7, 9, 0, 9, 1),
                                              move(30, 3, 6, 4, 6)}));
    EXPECT_EQ(board[2][1], kEmpty);
    EXPECT_EQ(board[2][4], 25);
    EXPECT_EQ(board[9][1], 7);
    EXPECT_EQ(board[4][6], 30);
}

TEST(NotationReader, PositionWordsPickFrontMiddleAndRear) {
    const Position chariots = board_with({{0, 1, 23}, {4, 1, 24}});
    EXPECT_EQ(read_one(true, "前车退二", chariots), move(24, 4, 1, 2, 1));
    EXPECT_EQ(read_one(true, "后车进一", chariots), move(23, 0, 1, 1, 1));
    // Without a position word the lower row moves.
    EXPECT_EQ(read_one(true, "车二进一", chariots), move(23, 0, 1, 1, 1));

    const Position black_chariots = board_with({{5, 1, 7}, {8, 1, 8}});
    EXPECT_EQ(read_one(false, "前车进１", black_chariots), move(7, 5, 1, 4, 1));
    EXPECT_EQ(read_one(false, "后车平９", black_chariots), move(8, 8, 1, 8, 0));

    // A black chariot on the file is not red's twin.
    const Position mixed = board_with({{0, 1, 23}, {4, 1, 7}});
    EXPECT_EQ(read_one(true, "前车进一", mixed), std::nullopt);

    const Position pawns = board_with({{2, 4, 11}, {4, 4, 12}, {6, 4, 13}});
    EXPECT_EQ(read_one(false, "前卒进１", pawns), move(11, 2, 4, 1, 4));
    EXPECT_EQ(read_one(false, "中卒平６", pawns), move(12, 4, 4, 4, 3));
    EXPECT_EQ(read_one(false, "后卒进１", pawns), move(13, 6, 4, 5, 4));
}

TEST(NotationReader, AdvisorsAndElephantsOnOneFileAreToldApartByDirection) {
    const Position advisors = board_with({{0, 3, 17}, {2, 3, 18}});
    EXPECT_EQ(read_one(true, "仕四进五", advisors), move(17, 0, 3, 1, 4));
    EXPECT_EQ(read_one(true, "仕四退五", advisors), move(18, 2, 3, 1, 4));

    const Position elephants = board_with({{0, 2, 19}, {4, 2, 20}});
    EXPECT_EQ(read_one(true, "相三进一", elephants), move(19, 0, 2, 2, 0));
    EXPECT_EQ(read_one(true, "相三退五", elephants), move(20, 4, 2, 2, 4));

    const Position black_elephants = board_with({{9, 2, 3}, {5, 2, 4}});
    EXPECT_EQ(read_one(false, "象７进５", black_elephants), move(3, 9, 2, 7, 4));
    EXPECT_EQ(read_one(false, "象７退９", black_elephants), move(4, 5, 2, 7, 0));
}

TEST(NotationReader, OrdinalsNumberPawnsFromTheSidesRightAndFrontFirst) {
    const Position four = board_with({{4, 4, 27}, {5, 4, 28}, {6, 4, 29}, {7, 4, 30}});
    EXPECT_EQ(read_one(true, "一兵平四", four), move(30, 7, 4, 7, 3));
    EXPECT_EQ(read_one(true, "四兵平六", four), move(27, 4, 4, 4, 5));

    const Position red_two = board_with({{5, 2, 27}, {6, 2, 28}, {5, 6, 29}, {6, 6, 30}});
    EXPECT_EQ(read_one(true, "一兵进一", red_two), move(28, 6, 2, 7, 2));
    EXPECT_EQ(read_one(true, "二兵进一", red_two), move(27, 5, 2, 6, 2));
    EXPECT_EQ(read_one(true, "三兵进一", red_two), move(30, 6, 6, 7, 6));
    EXPECT_EQ(read_one(true, "四兵平八", red_two), move(29, 5, 6, 5, 7));

    const Position black_two = board_with({{3, 2, 11}, {4, 2, 12}, {2, 6, 13}, {3, 6, 14}, {4, 6, 15}});
    EXPECT_EQ(read_one(false, "一卒进１", black_two), move(13, 2, 6, 1, 6));
    EXPECT_EQ(read_one(false, "三卒平４", black_two), move(15, 4, 6, 4, 5));
    EXPECT_EQ(read_one(false, "四卒进１", black_two), move(11, 3, 2, 2, 2));
    EXPECT_EQ(read_one(false, "五卒平８", black_two), move(12, 4, 2, 4, 1));
}

TEST(NotationReader, DestinationsFollowHowEachPieceMoves) {
    const std::string horse = test::G("马"), forward = test::G("进"), back = test::G("退"),
                      sideways = test::G("平");
    EXPECT_EQ(red_destination(horse, 0, 1, forward, 3), (Square{2, 2}));
    EXPECT_EQ(red_destination(horse, 0, 1, forward, 4), (Square{1, 3}));
    EXPECT_EQ(red_destination(horse, 2, 2, sideways, 2), (Square{0, 1}));  // a horse cannot go sideways
    EXPECT_EQ(red_destination(horse, 0, 1, forward, 5), std::nullopt);
    EXPECT_EQ(black_destination(horse, 9, 1, forward, 7), (Square{7, 2}));
    EXPECT_EQ(black_destination(test::G("士"), 9, 3, forward, 5), (Square{8, 4}));
    EXPECT_EQ(black_destination(test::G("车"), 9, 0, back, 1), std::nullopt);  // off the board
    EXPECT_EQ(red_destination(test::G("车"), 0, 0, forward, 9), (Square{9, 0}));
    EXPECT_EQ(red_destination(test::G("炮"), 2, 1, sideways, 5), (Square{2, 4}));
    EXPECT_EQ(red_destination(test::G("炮"), 2, 1, forward, 0), std::nullopt);

    EXPECT_EQ(numeral_value(test::G("九")), 9);
    EXPECT_EQ(numeral_value(test::G("零")), 0);
    EXPECT_EQ(numeral_value("1"), 0);
}

TEST(NotationReader, MoveOntoAPieceReplacesItAndLeavesCapturedZero) {
    Position board = board_with({{0, 0, 23}, {6, 0, 11}});
    std::vector<MoveRecord> moves;
    ASSERT_TRUE(red("车一进六", board, moves));
    EXPECT_EQ(moves, std::vector<MoveRecord>{move(23, 0, 0, 6, 0)});
    EXPECT_EQ(moves[0].captured, 0);
    EXPECT_EQ(board[6][0], 23);
    EXPECT_EQ(board[0][0], kEmpty);
}

// A token that names no piece or no square must leave the board and the list as they were.
TEST(NotationReader, UnresolvedTokensChangeNothing) {
    const Position start = layouts::kStandardLayout;
    const Position two_files = board_with({{5, 2, 27}, {6, 2, 28}, {5, 6, 29}, {6, 6, 30}});
    struct Case {
        const char* why;
        bool is_red;
        std::string token;
        Position board;
    };
    const Case cases[] = {
        {"too short", true, test::G("炮二平"), start},
        {"too long", true, test::G("炮二平五") + " ", start},
        {"empty", true, "", start},
        {"black digits in ASCII", false, test::G("马8进7"), start},
        {"no piece of that name on the file", true, test::G("车五进一"), start},
        {"no file holds two chariots", true, test::G("前车进一"), start},
        {"no file holds two pawns", true, test::G("一兵进一"), start},
        {"ordinal beyond the pawns counted", true, test::G("五兵进一"), two_files},
        {"black's piece named in a red move", true, test::G("士四进五"), start},
        {"red file with no numeral", true, test::G("炮零平五"), start},
        {"black file digit zero", false, test::G("马０进７"), start},
        {"black file of two ASCII digits", false, test::G("马88进７"), start},
        {"red numerals in a black move", false, test::G("马八进七"), start},
        {"count of zero", true, test::G("车一进零"), start},
        {"sideways to no file", true, test::G("炮二平零"), start},
        {"horse three files away", true, test::G("马二进五"), start},
        {"unknown direction", true, test::G("炮二上五"), start},
        {"unknown direction for a horse", true, test::G("马二上三"), start},
        {"retreat off the board", true, test::G("车一退一"), start},
        {"black retreat off the board", false, test::G("车９退１"), start},
        {"advance off the board", true, test::G("炮二进九"), start},
        {"elephant off the board", true, test::G("前相退一"), board_with({{0, 2, 19}, {1, 2, 20}})},
    };
    const MoveRecord earlier = move(25, 2, 7, 2, 4);
    for (const Case& c : cases) {
        Position board = c.board;
        std::vector<MoveRecord> moves{earlier};
        const bool read = c.is_red ? read_red_notation(c.token, board, moves) : read_black_notation(c.token, board, moves);
        EXPECT_FALSE(read) << c.why;
        EXPECT_EQ(board, c.board) << c.why;
        EXPECT_EQ(moves, std::vector<MoveRecord>{earlier}) << c.why;
    }
}

}  // namespace
}  // namespace kelvara
