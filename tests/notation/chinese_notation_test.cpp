// Chinese moves read against the board: every form real records write, in either script,
// with any numerals, and twins told apart by which of them can make the move.

#include "notation/chinese_notation.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "board/rules.h"
#include "board_builder.h"
#include "notation_test_support.h"
#include "platform/text.h"

namespace kelvara {
namespace {

using notation::Notation;
using test::board_with;
using test::mv;

std::optional<Move> red(const std::string& token, const Position& board) {
    return test::read_one(Notation::Chinese, Side::Red, token, board);
}
std::optional<Move> black(const std::string& token, const Position& board) {
    return test::read_one(Notation::Chinese, Side::Black, token, board);
}

TEST(ChineseNotation, PlaysAnOpeningFromTheStart) {
    Position board = layouts::kStandardLayout;
    const std::pair<Side, const char*> opening[] = {
        {Side::Red, "炮二平五"}, {Side::Black, "马８进７"}, {Side::Red, "马二进三"}, {Side::Black, "车９平８"},
        {Side::Red, "兵七进一"},
    };
    const Move expected[] = {mv(2, 1, 2, 4), mv(9, 1, 7, 2), mv(0, 1, 2, 2), mv(9, 0, 9, 1), mv(3, 6, 4, 6)};
    for (std::size_t i = 0; i < std::size(opening); ++i) {
        const auto m = test::read_one(Notation::Chinese, opening[i].first, opening[i].second, board);
        ASSERT_EQ(m, expected[i]) << opening[i].second;
        make_move(board, *m);
    }
}

// The side to move decides whose piece it is; the glyphs and numerals may be any.
TEST(ChineseNotation, ReadsEveryScriptAndNumeralStyleForEitherSide) {
    const Position start = layouts::kStandardLayout;
    for (const char* token : {"炮二平五", "炮2平5", "炮２平５", "砲二平五", "包二平五"})
        EXPECT_EQ(red(token, start), mv(2, 1, 2, 4)) << token;
    for (const char* token : {"马８进７", "马8进7", "馬８進７", "傌8进7", "马八进七", "马８上７"})
        EXPECT_EQ(black(token, start), mv(9, 1, 7, 2)) << token;
    for (const char* token : {"俥一進一", "車一进一", "硨一进一"}) EXPECT_EQ(red(token, start), mv(0, 0, 1, 0)) << token;
    EXPECT_EQ(red("帥五進一", start), mv(0, 4, 1, 4));
    EXPECT_EQ(black("將５进１", start), mv(9, 4, 8, 4));
    EXPECT_EQ(black("将5进1", start), mv(9, 4, 8, 4));
    EXPECT_EQ(red("相三进五", start), red("象三进五", start));
}

TEST(ChineseNotation, PlaceWordsPickFrontMiddleAndRear) {
    const Position chariots = board_with({{0, 1, 23}, {4, 1, 24}});
    EXPECT_EQ(red("前车退二", chariots), mv(4, 1, 2, 1));
    EXPECT_EQ(red("后车进一", chariots), mv(0, 1, 1, 1));
    EXPECT_EQ(red("後車進一", chariots), mv(0, 1, 1, 1));

    const Position black_chariots = board_with({{5, 1, 7}, {8, 1, 8}});
    EXPECT_EQ(black("前车进１", black_chariots), mv(5, 1, 4, 1));
    EXPECT_EQ(black("后车平９", black_chariots), mv(8, 1, 8, 0));

    // A black chariot on the file is not red's twin.
    EXPECT_EQ(red("前车进一", board_with({{0, 1, 23}, {4, 1, 7}})), std::nullopt);

    const Position pawns = board_with({{2, 4, 11}, {4, 4, 12}, {6, 4, 13}});
    EXPECT_EQ(black("前卒进１", pawns), mv(2, 4, 1, 4));
    EXPECT_EQ(black("中卒平６", pawns), mv(4, 4, 4, 3));
    EXPECT_EQ(black("后卒进１", pawns), mv(6, 4, 5, 4));
}

// Two twins on a file and a move written by the file alone: the one that can make it
// legally moves, whichever stands in front; when both can, it is ambiguous.
TEST(ChineseNotation, ATwinNamedByItsFileIsTheOneThatCanMove) {
    // Black's front chariot is blocked by its own horse: 车２平４ is the rear one's.
    const Position rear_moves = board_with({{0, 4, 16}, {9, 3, 0}, {3, 7, 7}, {3, 6, 5}, {9, 7, 8}});
    EXPECT_EQ(black("车２平４", rear_moves), mv(9, 7, 9, 5));
    // The same with the blocker on the rear chariot's rank: the front one moves.
    const Position front_moves = board_with({{0, 4, 16}, {9, 3, 0}, {3, 7, 7}, {9, 6, 5}, {9, 7, 8}});
    EXPECT_EQ(black("车２平４", front_moves), mv(3, 7, 3, 5));
    // Both can go: the token alone does not say which.
    const auto both = notation::read_move(Notation::Chinese, test::G("车２进１"), rear_moves, Side::Black);
    EXPECT_TRUE(both.well_formed);
    EXPECT_TRUE(both.ambiguous());
    // Red's rear chariot shields its general from a black chariot on the rank: the front
    // one goes, though scanning from row 0 finds the rear one first.
    const Position pinned = board_with({{2, 5, 16}, {2, 4, 23}, {5, 4, 24}, {2, 0, 7}, {9, 3, 0}});
    EXPECT_EQ(red("车五进一", pinned), mv(5, 4, 6, 4));
}

TEST(ChineseNotation, AdvisorsAndElephantsOnOneFileAreToldApartByDirection) {
    const Position advisors = board_with({{0, 3, 17}, {2, 3, 18}});
    EXPECT_EQ(red("仕四进五", advisors), mv(0, 3, 1, 4));
    EXPECT_EQ(red("仕四退五", advisors), mv(2, 3, 1, 4));

    const Position elephants = board_with({{0, 2, 19}, {4, 2, 20}});
    EXPECT_EQ(red("相三进一", elephants), mv(0, 2, 2, 0));
    EXPECT_EQ(red("相三退五", elephants), mv(4, 2, 2, 4));

    const Position black_elephants = board_with({{9, 2, 3}, {5, 2, 4}});
    EXPECT_EQ(black("象７进５", black_elephants), mv(9, 2, 7, 4));
    EXPECT_EQ(black("象７退９", black_elephants), mv(5, 2, 7, 0));
    // Old records write any move of these pieces that is not forward as a retreat.
    EXPECT_EQ(black("象７平９", black_elephants), mv(5, 2, 7, 0));
}

TEST(ChineseNotation, OrdinalsNumberPawnsFromTheSidesRightAndFrontFirst) {
    const Position four = board_with({{5, 4, 27}, {6, 4, 28}, {7, 4, 29}, {8, 4, 30}});
    EXPECT_EQ(red("一兵平四", four), mv(8, 4, 8, 3));
    EXPECT_EQ(red("四兵平六", four), mv(5, 4, 5, 5));
    EXPECT_EQ(red("前兵平四", four), mv(8, 4, 8, 3));  // 前 for 一, as some writers number four

    const Position red_two = board_with({{5, 2, 27}, {6, 2, 28}, {5, 6, 29}, {6, 6, 30}});
    EXPECT_EQ(red("一兵进一", red_two), mv(6, 2, 7, 2));
    EXPECT_EQ(red("二兵平四", red_two), mv(5, 2, 5, 3));
    EXPECT_EQ(red("三兵进一", red_two), mv(6, 6, 7, 6));
    EXPECT_EQ(red("四兵平八", red_two), mv(5, 6, 5, 7));

    const Position black_two = board_with({{3, 2, 11}, {4, 2, 12}, {2, 6, 13}, {3, 6, 14}, {4, 6, 15}});
    EXPECT_EQ(black("一卒进１", black_two), mv(2, 6, 1, 6));
    EXPECT_EQ(black("三卒平４", black_two), mv(4, 6, 4, 5));
    EXPECT_EQ(black("四卒进１", black_two), mv(3, 2, 2, 2));
    EXPECT_EQ(black("五卒平８", black_two), mv(4, 2, 4, 1));
}

// Pawns on two files written by place or ordinal and file, without the piece, or in the
// older five-character form.
TEST(ChineseNotation, TwoFilePawnFormsWithTheFile) {
    const Position red_two = board_with({{5, 2, 27}, {6, 2, 28}, {5, 6, 29}, {6, 6, 30}});
    EXPECT_EQ(red("前三平四", red_two), mv(6, 2, 6, 3));
    EXPECT_EQ(red("后七平八", red_two), mv(5, 6, 5, 7));
    EXPECT_EQ(red("二7平8", red_two), mv(5, 6, 5, 7));
    EXPECT_EQ(red("前兵七平八", red_two), mv(6, 6, 6, 7));
    // Without the file, 前兵 is the front pawn of either file: the move tells which, or not.
    EXPECT_EQ(red("前兵平四", red_two), mv(6, 2, 6, 3));
    EXPECT_EQ(red("前兵进一", red_two), std::nullopt);
}

TEST(ChineseNotation, AMoveThatExposesTheGeneralStillReadsWhenNothingLegalFits) {
    // The horse leaves the generals facing: no legal move, but the record played it.
    const Position board = board_with({{0, 4, 16}, {4, 4, 21}, {9, 4, 0}});
    EXPECT_EQ(red("马五进六", board), mv(4, 4, 6, 5));
}

TEST(ChineseNotation, TokensThatAreNoMoveHereGiveNone) {
    const Position start = layouts::kStandardLayout;
    const Position two_files = board_with({{5, 2, 27}, {6, 2, 28}, {5, 6, 29}, {6, 6, 30}});
    struct Case {
        const char* why;
        Side side;
        std::string token;  // GBK
        Position board;
        bool well_formed;
    };
    using test::G;
    const Case cases[] = {
        {"too short", Side::Red, G("炮二平"), start, false},
        {"too long", Side::Red, G("炮二平五") + " ", start, false},
        {"empty", Side::Red, "", start, false},
        {"unknown direction", Side::Red, G("炮二走五"), start, false},
        {"file of two digits", Side::Black, G("马88进７"), start, false},
        {"red file zero", Side::Red, G("炮０平五"), start, false},
        {"count of zero", Side::Red, G("车一进０"), start, false},
        {"no piece of that name on the file", Side::Red, G("车五进一"), start, true},
        {"no file holds two chariots", Side::Red, G("前车进一"), start, true},
        {"no file holds two pawns", Side::Red, G("一兵进一"), start, true},
        {"ordinal beyond the pawns counted", Side::Red, G("五兵进一"), two_files, true},
        {"horse three files away", Side::Red, G("马二进五"), start, true},
        {"retreat off the board", Side::Red, G("车一退一"), start, true},
        {"black retreat off the board", Side::Black, G("车９退１"), start, true},
        {"advance off the board", Side::Red, G("炮二进九"), start, true},
        {"cannon without a screen", Side::Red, G("炮二进五"), start, true},
        {"onto its own piece", Side::Red, G("车一平二"), start, true},
    };
    for (const Case& c : cases) {
        const auto r = notation::read_move(Notation::Chinese, c.token, c.board, c.side);
        EXPECT_EQ(r.well_formed, c.well_formed) << c.why;
        EXPECT_TRUE(r.candidates.empty()) << c.why;
    }
}

TEST(ChineseNotation, MoveLengthFindsFourAndFiveCharacterMoves) {
    const auto length = [](const std::string& utf8) {
        const std::string text = test::G(utf8);
        std::vector<notation::WordMeaning> meanings;
        for (const std::string_view c : gbk::characters(text)) meanings.push_back(notation::meaning_of(c));
        return notation::chinese_move_length(meanings);
    };
    EXPECT_EQ(length("炮二平五马８进７"), 4u);
    EXPECT_EQ(length("前兵九平八"), 5u);
    EXPECT_EQ(length("前九平八"), 4u);
    EXPECT_EQ(length("炮二平"), 0u);
    EXPECT_EQ(length("红方胜利"), 0u);
}

// The writer's text in both scripts and both digit styles.
TEST(ChineseNotation, WriterTextInEitherScript) {
    const Position start = layouts::kStandardLayout;
    using notation::ChineseStyle;
    using notation::Script;
    EXPECT_EQ(test::U(notation::chinese_move_text(start, mv(9, 1, 7, 2))), "马8进7");
    EXPECT_EQ(test::U(notation::chinese_move_text(start, mv(9, 1, 7, 2), {Script::Simplified, true})), "马８进７");
    EXPECT_EQ(test::U(notation::chinese_move_text(start, mv(9, 1, 7, 2), {Script::Traditional, true})), "馬８進７");
    EXPECT_EQ(test::U(notation::chinese_move_text(start, mv(0, 4, 1, 4), {Script::Traditional})), "帥五進一");
    const Position chariots = board_with({{0, 1, 23}, {4, 1, 24}});
    EXPECT_EQ(test::U(notation::chinese_move_text(chariots, mv(0, 1, 1, 1), {Script::Traditional})), "後車進一");
    EXPECT_EQ(notation::chinese_move_text(start, mv(4, 4, 5, 4)), "");  // no piece there
}

}  // namespace
}  // namespace kelvara
