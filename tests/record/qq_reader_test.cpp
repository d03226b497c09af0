#include "record/qq_reader.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;

// Red cannon 炮二平五, then black horse 马8进7, as QQ move groups.
constexpr const char* kCannon = "25 32 1 2 1 2 4 0 1 0";
constexpr const char* kHorse = "5 32 0 9 1 7 2 0 2 0";

struct Loaded {
    GameRecord game;
    MoveList list;
    std::optional<ReadStop> stop;
};

Loaded read(const std::string& text, int flip = 0) {
    Loaded l;
    l.game.flip_state = flip;
    l.stop = read_qq_record(text, l.game, l.list);
    return l;
}

TEST(QqReader, ReadsMovesIntoNumberedColouredRows) {
    const auto l = read(std::string("1 3 ") + kCannon + " " + kHorse + " " + "22 32 1 0 7 2 6 0 3 0\n");
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    ASSERT_EQ(l.list.row_count(), 3);
    EXPECT_EQ(U(l.list.rows()[0].text), "1.红：炮二平五");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
    EXPECT_EQ(U(l.list.rows()[2].text), "2.红：马八进七");
    EXPECT_EQ(l.list.rows()[0].colour, kRedRow);
    EXPECT_EQ(l.list.rows()[1].colour, kGreyRow);
    EXPECT_EQ(l.game.moves[1], (MoveRecord{5, 9, 1, 0, 7, 2}));
    // The reference position has played the game; the board shows its start.
    EXPECT_EQ(l.game.board, kStandardLayout);
    EXPECT_EQ(l.game.reference[2][4], 25);
    EXPECT_EQ(l.game.reference[2][1], kEmpty);
    EXPECT_EQ(l.game.reference[7][2], 5);
}

TEST(QqReader, LastGroupMayEndWithTheText) {
    for (const char* end : {"", "\n", "\r\n"}) {
        const auto l = read(std::string("1 2 ") + kCannon + " " + kHorse + end);
        EXPECT_FALSE(l.stop) << "ending " << int(end[0]);
        EXPECT_EQ(l.list.row_count(), 2);
    }
}

TEST(QqReader, SkipsTheExtraTextAfterAGroup) {
    const auto l = read("1 2 25 32 1 2 1 2 4 0 1 5 abcd 5 32 0 9 1 7 2 0 2 0 ");
    ASSERT_FALSE(l.stop);
    ASSERT_EQ(l.list.row_count(), 2);
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
}

TEST(QqReader, FoldsFullWidthDigits) {
    const auto l = read(G("１ ２ ２５ ３２ １ ２ １ ２ ４ ０ １ ０ ５ ３２ ０ ９ １ ７ ２ ０ ２ ０\r\n"));
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(U(l.list.rows()[0].text), "1.红：炮二平五");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
}

TEST(QqReader, BlackMovingFirstIsStillNumberedByParity) {
    const auto l = read(std::string("1 1 ") + kHorse);
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(U(l.list.rows()[0].text), "1.黑：马8进7");
    EXPECT_EQ(l.list.rows()[0].colour, kRedRow);
}

// A record cut short and filled with other bytes must not play pieces that are not there.
TEST(QqReader, ADamagedGroupStopsTheReadingInsteadOfPlayingAWrongMove) {
    const std::string two_moves = std::string("1 4 ") + kCannon + " " + kHorse + " ";
    struct Case {
        std::string third_group;
        StopReason reason;
        std::string message;
    };
    const Case cases[] = {
        {"x x x x x x x x x x ", StopReason::NotANumber, "第3着的第1项“x”不是数字"},
        {"22 32 1 0 x x x x x x ", StopReason::NotANumber, "第3着的第5项“x”不是数字"},
        {"22 32 1 0 7 2 6 0 3 0x7 ", StopReason::NotANumber, "第3着的第10项“0x7”不是数字"},
        // 车一进一 named by the right code from a square where a horse stands.
        {"23 32 1 0 1 1 1 0 3 0 ", StopReason::PieceNotOnSquare, "第3着的起点上没有代码为23的棋子"},
        {"22 32 1 4 4 5 4 0 3 0 ", StopReason::PieceNotOnSquare, "第3着的起点上没有代码为22的棋子"},
        {"22 32 0 0 7 2 6 0 3 0 ", StopReason::WrongSide, "第3着的棋子代码22不属于黑方"},
        {"6 32 1 9 7 7 6 0 3 0 ", StopReason::WrongSide, "第3着的棋子代码6不属于红方"},
        {"22 32 1 0 7 0 7 0 3 0 ", StopReason::StandsStill, "第3着的起点和终点相同"},
    };
    for (const auto& c : cases) {
        const auto l = read(two_moves + c.third_group + kCannon);
        ASSERT_TRUE(l.stop) << c.third_group;
        EXPECT_EQ(l.stop->move, 3) << c.third_group;
        EXPECT_EQ(l.stop->reason, c.reason) << c.third_group;
        EXPECT_EQ(U(describe(*l.stop)), c.message);
        EXPECT_EQ(l.list.row_count(), 2) << c.third_group;
        EXPECT_EQ(l.game.reference[0][7], 22) << "the horse never moved";
    }

    // Random bytes after a whole move: nothing after it is played.
    std::string noise;
    for (int i = 0; i < 400; ++i) noise += static_cast<char>((i * 7919 + 17) % 256);
    const auto l = read(std::string("1 62 ") + kCannon + " " + noise);
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 2);
    EXPECT_EQ(l.list.row_count(), 1);
}

TEST(QqReader, EitherCodeOfAPairNamesThePieceOnATurnedBoard) {
    // Laid out turned, the pair codes stand swapped: 26 where the record says 25.
    const auto l = read(std::string("1 3 ") + kCannon + " " + kHorse + " 26 32 1 2 7 2 4 0 3 0", 1);
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(l.list.row_count(), 3);
}

TEST(QqReader, NoMovesLeavesTheInitialArrangement) {
    const auto l = read("1 0 ");
    EXPECT_FALSE(l.stop);
    EXPECT_TRUE(l.list.empty());
    EXPECT_EQ(l.game.board, kStandardLayout);
}

TEST(QqReader, LoadsFlippedWithRecordsStillStandard) {
    const auto l = read(std::string("1 1 ") + kCannon, 1);
    EXPECT_EQ(l.game.board, kFlippedLayout);
    EXPECT_EQ(l.game.moves[0], (MoveRecord{25, 2, 1, 0, 2, 4}));
    EXPECT_EQ(U(l.list.rows()[0].text), "1.红：炮二平五");
}

TEST(QqReader, StopsAtTheFirstBadGroupKeepingTheMovesBefore) {
    struct Case {
        std::string second_group;
        StopReason reason;
        int value;
    };
    const Case cases[] = {
        {"40 32 0 9 1 7 2 0 2 0 ", StopReason::PieceOutOfRange, 40},
        {"-1 32 0 9 1 7 2 0 2 0 ", StopReason::PieceOutOfRange, -1},
        {"256 32 0 9 1 7 2 0 2 0 ", StopReason::PieceOutOfRange, 256},  // not taken modulo 256
        {"5 32 0 10 1 7 2 0 2 0 ", StopReason::SquareOffBoard, 0},
        {"5 32 0 9 9 7 2 0 2 0 ", StopReason::SquareOffBoard, 0},
        {"5 32 0 9 1 7 -2 0 2 0 ", StopReason::SquareOffBoard, 0},
        {"5 32 0 9 1 7 2 0 2 -4 ", StopReason::BadSkipLength, -4},
        {"5 32 0 9 1", StopReason::TextEndsEarly, 3},
        {"", StopReason::TextEndsEarly, 3},
    };
    for (const auto& c : cases) {
        const auto l = read(std::string("1 3 ") + kCannon + " " + c.second_group);
        ASSERT_TRUE(l.stop) << c.second_group;
        EXPECT_EQ(l.stop->move, 2) << c.second_group;
        EXPECT_EQ(l.stop->reason, c.reason) << c.second_group;
        EXPECT_EQ(l.stop->value, c.value) << c.second_group;
        EXPECT_EQ(l.game.moves.size(), 1u);
        EXPECT_EQ(l.list.row_count(), 1);
    }
}

TEST(QqReader, HugeCountsAndGarbageEndQuicklyWithAReport) {
    const auto l = read(std::string("1 2147483647 ") + kCannon + " ");
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 2);
    EXPECT_EQ(l.stop->reason, StopReason::TextEndsEarly);

    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    const auto g = read(garbage);
    EXPECT_LE(g.game.moves.size(), 5000u);
    EXPECT_EQ(g.game.moves.size(), static_cast<std::size_t>(g.list.row_count()));
    EXPECT_TRUE(read("").list.empty());
    EXPECT_TRUE(read("7").list.empty());
}

TEST(QqReader, StopMessagesNameTheMoveAndTheNumberTheFileHolds) {
    const auto piece = read(std::string("1 2 ") + kCannon + " 4294967297 32 0 9 1 7 2 0 2 0");
    ASSERT_TRUE(piece.stop);
    EXPECT_EQ(U(describe(*piece.stop)), "第2着的棋子代码4294967297不在0到31之间");
    const auto count = read(std::string("1 4294967297 ") + kCannon + " ");
    ASSERT_TRUE(count.stop);
    EXPECT_EQ(U(describe(*count.stop)), "棋谱在第2着处提前结束（应有4294967297着）");
    const auto skip = read(std::string("1 2 ") + kCannon + " 5 32 0 9 1 7 2 0 2 -4 ");
    ASSERT_TRUE(skip.stop);
    EXPECT_EQ(U(describe(*skip.stop)), "第2着的附加长度-4无效");
}

}  // namespace
}  // namespace kelvara
