// The writer and the reader are two independent algorithms over the same notation: what
// one writes for a move, the other must resolve to the same piece and squares.

#include <map>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "move_generator.h"
#include "notation/move_notation.h"
#include "notation/notation_reader.h"
#include "platform/text.h"
#include "random_position.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

// The move list shows black's digits in ASCII; a PGN token has them full-width (A3 B0-B9).
std::string full_width_digits(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = gbk::char_length(text, i);
        if (n == 1 && text[i] >= '0' && text[i] <= '9') {
            out += static_cast<char>(0xA3);
            out += static_cast<char>(0xB0 + (text[i] - '0'));
        } else {
            out += text.substr(i, n);
        }
        i += n;
    }
    return out;
}

std::string square_text(int row, int column) {
    return "(" + std::to_string(row) + "," + std::to_string(column) + ")";
}

// No class of move is left out: on positions of this shape the two agree on every move.
TEST(NotationRoundTrip, ReaderResolvesWhatTheWriterWrote) {
    std::mt19937 random(20240611);
    constexpr int kPositions = 3000;
    int checked = 0;
    std::map<std::string, int> first_characters;  // how often each qualifier was exercised
    std::vector<std::string> disagreements;
    for (int p = 0; p < kPositions; ++p) {
        const Position board = test::random_position(random);
        for (const test::GeneratedMove& m : test::generate_moves(board)) {
            const bool red = is_red(m.piece);
            const std::string text =
                move_notation(m.piece, red ? 1 : 0, m.from.row, m.from.column, m.to.row, m.to.column, board);
            const std::string token = full_width_digits(std::string_view(text).substr(4));
            ++checked;
            ++first_characters[test::U(token.substr(0, 2))];

            Position after = board;
            std::vector<MoveRecord> moves;
            const bool read = red ? read_red_notation(token, after, moves) : read_black_notation(token, after, moves);
            const MoveRecord expected{m.piece, static_cast<std::uint8_t>(m.from.row),
                                      static_cast<std::uint8_t>(m.from.column), 0,
                                      static_cast<std::uint8_t>(m.to.row), static_cast<std::uint8_t>(m.to.column)};
            Position played = board;
            played[m.from.row][m.from.column] = kEmpty;
            played[m.to.row][m.to.column] = m.piece;
            if (read && moves.size() == 1 && moves[0] == expected && after == played) continue;

            std::string line = test::U(text) + " for piece " + std::to_string(m.piece) + " " +
                               square_text(m.from.row, m.from.column) + "->" + square_text(m.to.row, m.to.column);
            if (!read)
                line += ": not read";
            else if (!moves.empty())
                line += ": read as " + square_text(moves[0].from_row, moves[0].from_column) + "->" +
                        square_text(moves[0].to_row, moves[0].to_column);
            disagreements.push_back(line);
        }
    }
    for (std::size_t i = 0; i < disagreements.size() && i < 30; ++i) ADD_FAILURE() << disagreements[i];
    EXPECT_EQ(disagreements.size(), 0u) << "of " << checked << " moves";

    // The positions must keep producing the rare notations, or the test proves little.
    EXPECT_GT(checked, 100000);
    for (const char* qualifier : {"前", "中", "后", "一", "二", "三", "四", "五"})
        EXPECT_GT(first_characters[qualifier], 100) << qualifier;
}

// Tokens put together from notation words and stray bytes: whatever they say, the reader
// either plays one move between squares of the board or leaves everything as it was.
TEST(NotationRoundTrip, ReaderNeverLeavesTheBoard) {
    const std::vector<std::string> words = {
        test::G("车"), test::G("马"), test::G("炮"), test::G("兵"), test::G("卒"), test::G("仕"), test::G("士"),
        test::G("相"), test::G("象"), test::G("帅"), test::G("将"), test::G("前"), test::G("中"), test::G("后"),
        test::G("一"), test::G("三"), test::G("五"), test::G("九"), test::G("进"), test::G("退"), test::G("平"),
        test::G("１"), test::G("５"), test::G("９"), test::G("０"), test::G("零"), "8 ", "77", "\xA3\xA0", "\xFF\xFF"};
    std::mt19937 random(77);
    for (int p = 0; p < 300; ++p) {
        const Position board = test::random_position(random);
        for (int t = 0; t < 200; ++t) {
            std::string token;
            for (int k = 0; k < 4; ++k) token += words[random() % words.size()];
            for (const bool red : {true, false}) {
                Position after = board;
                std::vector<MoveRecord> moves;
                const bool read = red ? read_red_notation(token, after, moves) : read_black_notation(token, after, moves);
                if (!read) {
                    ASSERT_TRUE(moves.empty()) << test::U(token);
                    ASSERT_EQ(after, board) << test::U(token);
                    continue;
                }
                ASSERT_EQ(moves.size(), 1u) << test::U(token);
                const MoveRecord& m = moves[0];
                ASSERT_TRUE(on_board(m.from_row, m.from_column) && on_board(m.to_row, m.to_column)) << test::U(token);
                ASSERT_EQ(m.piece, board[m.from_row][m.from_column]) << test::U(token);
                ASSERT_EQ(m.captured, 0) << test::U(token);
            }
        }
    }
}

}  // namespace
}  // namespace kelvara
