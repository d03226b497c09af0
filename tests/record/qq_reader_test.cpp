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

TEST(QqReader, FoldsFullWidthDigitsAndTheSideFieldOnlySteersTheWriter) {
    // Fields in full width; the side field 0 on the red king gives black notation.
    const auto l = read(G("１ １ １６ ３２ ０ ０ ４ １ ４ ０ １ ０ "));
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(U(l.list.rows()[0].text), "1.黑：帅5退5");
    EXPECT_EQ(l.list.rows()[0].colour, kRedRow);  // parity, not the side, decides
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

TEST(QqReader, StopMessagesNameTheMove) {
    EXPECT_EQ(U(describe({2, StopReason::PieceOutOfRange, {}, 40})), "第2着的棋子代码40不在0到31之间");
    EXPECT_EQ(U(describe({5, StopReason::TextEndsEarly, {}, 62})), "棋谱在第5着处提前结束（应有62着）");
}

}  // namespace
}  // namespace kelvara
