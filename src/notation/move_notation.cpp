#include "notation/move_notation.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "notation/notation_words.h"
#include "platform/gbk_literal.h"

namespace kelvara {

namespace {

using namespace notation;

Side side_for(bool red) { return red ? Side::Red : Side::Black; }

// Numbers outside 1-9 only come from squares off the board: they are written in digits so
// the text still shows what the record said, and in wide integers so any int is safe.
std::string red_numeral(long long n) {
    return n >= 1 && n <= 9 ? std::string(chinese_numeral(static_cast<int>(n))) : std::to_string(n);
}
std::string black_numeral(long long n) { return std::to_string(n); }

std::string numeral(bool red, long long n) { return red ? red_numeral(n) : black_numeral(n); }
std::string file_numeral(bool red, int column) { return numeral(red, red ? column + 1LL : 9LL - column); }

std::string prefixed(bool red, std::string_view word, std::string_view name) {
    return std::string(side_prefix(side_for(red))).append(word).append(name);
}
std::string prefixed(bool red, Place place, std::string_view name) { return prefixed(red, place_word(place), name); }

// Rows of column `column`, ascending, whose square has the name; the row `skip` left out.
std::vector<int> rows_named(const Position& board, int column, std::string_view name, int skip) {
    std::vector<int> rows;
    for (int i = 0; i < kRows; ++i)
        if (i != skip && on_board(i, column) && piece_name(board[i][column]) == name) rows.push_back(i);
    return rows;
}

// Front pawn first: black's front is its lowest row, red's its highest.
int position_from_front(bool red, std::vector<int> rows, int row) {
    rows.push_back(row);
    if (red)
        std::sort(rows.begin(), rows.end(), std::greater<>());
    else
        std::sort(rows.begin(), rows.end());
    return static_cast<int>(std::find(rows.begin(), rows.end(), row) - rows.begin()) + 1;
}

// The pawn's name with 前/中/后 or an ordinal when other pawns of its side share its file;
// just the name when it is alone there. Pawns are found by name, which each side has alone.
std::string pawn_qualifier(bool red, std::string_view name, int row, int column, const Position& board) {
    const std::vector<int> same_file = rows_named(board, column, name, row);

    std::vector<int> other_file;
    bool other_numbered_after = false;
    if (same_file.size() == 1 || same_file.size() == 2) {
        for (int j = 0; j < kColumns; ++j) {
            if (j == column) continue;
            std::vector<int> rows = rows_named(board, j, name, -1);
            if (rows.size() >= 2) {
                other_file = std::move(rows);
                other_numbered_after = red ? j > column : j < column;
                break;
            }
        }
    }

    const auto ahead = [red](int a, int b) { return red ? a > b : a < b; };
    if (other_file.empty() && same_file.size() == 1)
        return prefixed(red, ahead(row, same_file[0]) ? Place::Front : Place::Rear, name);
    if (other_file.empty() && same_file.size() == 2) {
        const int a1 = same_file[0], a2 = same_file[1];
        if (ahead(row, a1) && ahead(row, a2)) return prefixed(red, Place::Front, name);
        if (a1 < row && row < a2) return prefixed(red, Place::Middle, name);
        return prefixed(red, Place::Rear, name);
    }
    if (same_file.size() >= 3)
        return prefixed(red, red_numeral(position_from_front(red, same_file, row)), name);
    if (!other_file.empty()) {
        const int k = position_from_front(red, same_file, row);
        const int ordinal = other_numbered_after ? k : k + static_cast<int>(other_file.size());
        return prefixed(red, red_numeral(ordinal), name);
    }
    return std::string(name);
}

// Advisors and elephants sharing a file keep their file number: the reader tells them
// apart by the direction of the move.
bool is_advisor_or_elephant(bool red, std::string_view name) {
    const Side side = side_for(red);
    return name == piece_word(side, PieceKind::Advisor) || name == piece_word(side, PieceKind::Elephant);
}

// Kings and pawns never make a twin; only the side's advisors to cannons do.
bool in_twin_range(bool red, int code) { return red ? code >= 17 && code <= 26 : code >= 1 && code <= 10; }

// Kings, chariots, cannons and pawns count rows; the others name the destination file.
bool counts_rows(bool red, int code) {
    return red ? code == 16 || (code >= 23 && code <= 31) : code == 0 || (code >= 7 && code <= 15);
}

}  // namespace

std::string move_notation(PieceCode piece, int side, int from_row, int from_column, int to_row,
                          int to_column, const Position& board) {
    const bool red = (side & 0xFF) != 0;
    const std::string_view name = piece_name(piece);
    std::string text(name);

    if (name == piece_word(side_for(red), PieceKind::Soldier)) {
        text = pawn_qualifier(red, name, from_row, from_column, board);
    } else if (!is_advisor_or_elephant(red, name)) {
        for (int i = 0; i < kRows; ++i) {
            if (i == from_row || !on_board(i, from_column)) continue;
            const PieceCode code = board[i][from_column];
            if (piece_name(code) != name || !in_twin_range(red, code)) continue;
            const bool front = red ? from_row > i : from_row < i;
            text = prefixed(red, front ? Place::Front : Place::Rear, text);
        }
    }

    // A text that starts with its side already carries a position or an ordinal, which
    // stands in for the from-file.
    if (!text.starts_with(red ? "红"_gbk : "黑"_gbk))
        text = std::string(side_prefix(side_for(red))) + text + file_numeral(red, from_column);

    if (to_row == from_row) return text + std::string(direction_word(Direction::Sideways)) + file_numeral(red, to_column);

    const bool forward = red ? to_row > from_row : to_row < from_row;
    text += direction_word(forward ? Direction::Forward : Direction::Back);
    if (counts_rows(red, piece))
        text += numeral(red, std::llabs(static_cast<long long>(to_row) - from_row));
    else
        text += file_numeral(red, to_column);
    return text;
}

}  // namespace kelvara
