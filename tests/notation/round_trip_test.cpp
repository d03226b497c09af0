// Writers and readers are independent algorithms over the same notations: on random
// positions, every legal move that a writer writes must read back as that move alone.
// The board core's movement rules are checked against an independent generator too.

#include <algorithm>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "board/rules.h"
#include "move_generator.h"
#include "notation/move_notation.h"
#include "notation/notation.h"
#include "platform/text.h"
#include "random_position.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using notation::MoveWriting;
using notation::Notation;

std::string square_text(Square s) { return "(" + std::to_string(s.row) + "," + std::to_string(s.column) + ")"; }

struct Writer {
    MoveWriting writing;
    Notation reader;
    const char* name;
};
constexpr Writer kWriters[] = {
    {MoveWriting::Chinese, Notation::Chinese, "chinese"},
    {MoveWriting::ChineseTraditional, Notation::Chinese, "traditional"},
    {MoveWriting::Wxf, Notation::Wxf, "wxf"},
    {MoveWriting::Iccs, Notation::Iccs, "iccs"},
};

TEST(NotationRoundTrip, EveryLegalMoveWrittenReadsBackAsThatMove) {
    std::mt19937 random(20240611);
    constexpr int kPositions = 2500;
    int checked = 0;
    std::map<std::string, int> first_characters;  // how often each Chinese qualifier was written
    std::map<std::string, int> wxf_heads;          // and each WXF tandem form
    std::vector<std::string> disagreements;
    for (int p = 0; p < kPositions; ++p) {
        const Position board = test::random_position(random);
        for (const Side side : {Side::Red, Side::Black}) {
            for (const Move m : legal_moves(board, side)) {
                for (const Writer& w : kWriters) {
                    const std::string text = notation::write_move(w.writing, board, m);
                    ++checked;
                    if (w.writing == MoveWriting::Chinese) ++first_characters[test::U(text.substr(0, 2))];
                    if (w.writing == MoveWriting::Wxf && !std::isalpha(static_cast<unsigned char>(text[0])))
                        ++wxf_heads[text.substr(0, 2)];
                    const auto r = notation::read_move(w.reader, text, board, side);
                    if (r.resolved() && r.candidates.front() == m) continue;
                    std::string line = std::string(w.name) + " " + test::U(text) + " " + square_text(m.from) + "->" +
                                       square_text(m.to) + ": ";
                    line += r.candidates.empty() ? "not read" : std::to_string(r.candidates.size()) + " readings";
                    if (r.candidates.size() == 1)
                        line += " " + square_text(r.candidates[0].from) + "->" + square_text(r.candidates[0].to);
                    disagreements.push_back(line);
                }
            }
        }
    }
    for (std::size_t i = 0; i < disagreements.size() && i < 30; ++i) ADD_FAILURE() << disagreements[i];
    EXPECT_EQ(disagreements.size(), 0u) << "of " << checked << " moves";

    // The positions must keep producing the rare forms, or the test proves little.
    EXPECT_GT(checked, 200000);
    for (const char* qualifier : {"前", "中", "后", "一", "二", "三", "四", "五"})
        EXPECT_GT(first_characters[qualifier], 30) << qualifier;
    EXPECT_GT(wxf_heads.size(), 6u);  // ++ -- and file digits with + - or themselves
}

// Tokens put together from notation words and stray bytes: whatever they say, the reader
// gives only moves of the side's own pieces between squares of the board.
TEST(NotationRoundTrip, ReadersNeverLeaveTheBoard) {
    const std::vector<std::string> chinese = {
        test::G("车"), test::G("馬"), test::G("炮"), test::G("兵"), test::G("卒"), test::G("仕"), test::G("士"),
        test::G("相"), test::G("象"), test::G("帅"), test::G("将"), test::G("前"), test::G("中"), test::G("后"),
        test::G("一"), test::G("三"), test::G("五"), test::G("九"), test::G("进"), test::G("退"), test::G("平"),
        test::G("１"), test::G("５"), test::G("９"), test::G("０"), test::G("零"), "8", "77", "\xA3\xA0", "\xFF\xFF"};
    const std::string letters = "KAEHRCPBNGxabcdeij0123456789+-.=!?#";
    std::mt19937 random(77);
    for (int p = 0; p < 200; ++p) {
        const Position board = test::random_position(random);
        for (int t = 0; t < 150; ++t) {
            std::string words;
            for (int k = 0; k < 4 + static_cast<int>(random() % 2); ++k) words += chinese[random() % chinese.size()];
            std::string ascii;
            for (int k = 0; k < 2 + static_cast<int>(random() % 5); ++k) ascii += letters[random() % letters.size()];
            for (const Side side : {Side::Red, Side::Black}) {
                for (const Notation n : {Notation::Chinese, Notation::Wxf, Notation::Iccs, Notation::Algebraic}) {
                    const std::string& token = n == Notation::Chinese ? words : ascii;
                    for (const Move m : notation::read_move(n, token, board, side, {static_cast<int>(t % 2)}).candidates) {
                        ASSERT_TRUE(on_board(m.from) && on_board(m.to)) << test::U(token);
                        ASSERT_TRUE(belongs_to(at(board, m.from), side)) << test::U(token);
                        ASSERT_FALSE(belongs_to(at(board, m.to), side)) << test::U(token);
                    }
                }
            }
        }
    }
}

TEST(BoardRules, MovementMovesAgreeWithAnIndependentGenerator) {
    std::mt19937 random(4242);
    for (int p = 0; p < 500; ++p) {
        const Position board = test::random_position(random);
        std::vector<std::pair<int, int>> core, independent;
        for (const Side side : {Side::Red, Side::Black}) {
            std::vector<Move> moves;
            append_movement_moves(board, side, moves);
            for (const Move m : moves)
                core.push_back({m.from.row * 9 + m.from.column, m.to.row * 9 + m.to.column});
        }
        for (const test::GeneratedMove& m : test::generate_moves(board))
            independent.push_back({m.from.row * 9 + m.from.column, m.to.row * 9 + m.to.column});
        std::sort(core.begin(), core.end());
        std::sort(independent.begin(), independent.end());
        ASSERT_EQ(core, independent) << "position " << p;
    }
}

}  // namespace
}  // namespace kelvara
