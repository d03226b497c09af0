#include "notation/notation_reader.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "notation/numerals.h"
#include "notation/piece_name.h"

namespace kelvara {

namespace {

using namespace notation;

enum class Direction { Forward, Sideways, Back };

std::optional<Direction> direction_of(std::string_view character) {
    if (character == kForward) return Direction::Forward;
    if (character == kSideways) return Direction::Sideways;
    if (character == kBack) return Direction::Back;
    return std::nullopt;
}

// Black writes files and counts in digits: a full-width character (lead byte A3) folds to
// its single-byte form, then the leading decimal digits are read; no digit gives 0.
int black_digit_value(std::string_view character) {
    std::string folded(character);
    if (character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xA3 &&
        static_cast<unsigned char>(character[1]) >= 0xA1 && static_cast<unsigned char>(character[1]) <= 0xFE)
        folded = std::string(1, static_cast<char>(static_cast<unsigned char>(character[1]) & 0x7F));
    int value = 0;
    for (const char c : folded) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

int number_value(bool red, std::string_view character) {
    return red ? numeral_value(character) : black_digit_value(character);
}

bool on_side(bool red, int code, bool king_included) {
    return red ? code >= (king_included ? 16 : 17) && code <= 31 : code >= (king_included ? 0 : 1) && code <= 15;
}

std::optional<Square> destination(bool red, std::string_view name, int row, int column,
                                  std::string_view direction_text, int number) {
    const auto direction = direction_of(direction_text);
    if (!direction || !on_board(row, column) || number < 1 || number > 9) return std::nullopt;
    const int s = forward_sense(red);
    const int target = column_of_file(red, number);
    // Horses, elephants and advisors never move sideways: any direction but 进 is a retreat.
    const int diagonal_sense = *direction == Direction::Forward ? s : -s;

    Square to{};
    if (name == kHorse) {
        const int distance = std::abs(column - target);
        if (distance == 1)
            to = {row + 2 * diagonal_sense, target};
        else if (distance == 2)
            to = {row + diagonal_sense, target};
        else
            return std::nullopt;
    } else if (name == (red ? kRedElephant : kBlackElephant)) {
        to = {row + 2 * diagonal_sense, target};
    } else if (name == (red ? kRedAdvisor : kBlackAdvisor)) {
        to = {row + diagonal_sense, target};
    } else if (*direction == Direction::Forward) {
        to = {row + s * number, column};
    } else if (*direction == Direction::Sideways) {
        to = {row, target};
    } else {
        to = {row - s * number, column};
    }
    if (!on_board(to.row, to.column)) return std::nullopt;
    return to;
}

// 前/中/后 + name: the first column holding two or more such pieces of the side.
std::optional<Square> find_by_position_word(bool red, std::string_view word, std::string_view name,
                                            const Position& board) {
    for (int j = 0; j < kColumns; ++j) {
        std::vector<int> rows;
        for (int i = 0; i < kRows; ++i)
            if (piece_name(board[i][j]) == name && on_side(red, board[i][j], false)) rows.push_back(i);
        if (rows.size() < 2) continue;
        // Rows ascend, so red's front piece is the last and black's the first.
        if (word == kMiddle) return Square{rows[1], j};
        const bool first = (word == kFront) != red;
        return Square{first ? rows.front() : rows.back(), j};
    }
    return std::nullopt;
}

// 一…五 + name: numbered pawns on files holding two or more of them, the file on the
// side's right first and, within a file, the front pawn first.
std::optional<Square> find_by_ordinal(bool red, int n, std::string_view name, const Position& board) {
    const auto nth = [](const std::vector<int>& rows, int k) -> std::optional<int> {
        if (k < 1 || k > static_cast<int>(rows.size())) return std::nullopt;
        return rows[k - 1];
    };
    const auto front_first = [red](std::vector<int>& rows) {
        if (red) std::sort(rows.begin(), rows.end(), std::greater<>());
    };
    std::vector<int> first, second;
    int first_column = -1;
    for (int j = 0; j < kColumns; ++j) {
        std::vector<int>& collecting = first_column < 0 ? first : second;
        for (int i = 0; i < kRows; ++i)
            if (piece_name(board[i][j]) == name) collecting.push_back(i);

        if (first.size() >= 4) {
            front_first(first);
            const auto row = nth(first, n);
            if (!row) return std::nullopt;
            return Square{*row, j};
        }
        if (first_column < 0 && (first.size() == 2 || first.size() == 3)) first_column = j;
        if (second.size() >= 2) {
            front_first(first);
            front_first(second);
            // Red's file on its right is the first one met, black's the second.
            const bool in_first = red ? n <= static_cast<int>(first.size()) : n > static_cast<int>(second.size());
            const auto row = red ? (in_first ? nth(first, n) : nth(second, n - static_cast<int>(first.size())))
                                 : (in_first ? nth(first, n - static_cast<int>(second.size())) : nth(second, n));
            if (!row) return std::nullopt;
            return Square{*row, in_first ? first_column : j};
        }
        if (first.size() == 1) first.clear();
        if (second.size() == 1) second.clear();
    }
    return std::nullopt;
}

// Two advisors or elephants may share a file; the direction tells which one moves.
bool fits_direction(bool red, std::string_view name, int row, std::string_view direction) {
    const bool forward = direction == kForward;
    if (red && name == kRedAdvisor) return forward ? row <= 1 : row >= 1;
    if (red && name == kRedElephant) return forward ? row <= 2 : row >= 2;
    if (!red && name == kBlackAdvisor) return forward ? row >= 8 : row <= 8;
    if (!red && name == kBlackElephant) return forward ? row >= 7 : row <= 7;
    return true;
}

// Name + file: the first such piece of the side on that file, counted from row 0.
std::optional<Square> find_on_file(bool red, std::string_view name, int column, std::string_view direction,
                                   const Position& board) {
    if (!on_board(0, column)) return std::nullopt;
    for (int i = 0; i < kRows; ++i) {
        const PieceCode code = board[i][column];
        if (piece_name(code) == name && on_side(red, code, true) && fits_direction(red, name, i, direction))
            return Square{i, column};
    }
    return std::nullopt;
}

bool read_notation(bool red, std::string_view token, Position& board, std::vector<MoveRecord>& moves) {
    if (token.size() != 8) return false;
    const std::string_view ch1 = token.substr(0, 2), ch2 = token.substr(2, 2), ch3 = token.substr(4, 2),
                           ch4 = token.substr(6, 2);

    std::optional<Square> from;
    const int ordinal = numeral_value(ch1);
    if (ch1 == kFront || ch1 == kMiddle || ch1 == kRear)
        from = find_by_position_word(red, ch1, ch2, board);
    else if (ordinal >= 1 && ordinal <= 5)
        from = find_by_ordinal(red, ordinal, ch2, board);
    else
        from = find_on_file(red, ch1, column_of_file(red, number_value(red, ch2)), ch3, board);
    if (!from) return false;

    const PieceCode piece = board[from->row][from->column];
    const auto to = destination(red, piece_name(piece), from->row, from->column, ch3, number_value(red, ch4));
    if (!to) return false;

    moves.push_back(MoveRecord{piece, static_cast<std::uint8_t>(from->row), static_cast<std::uint8_t>(from->column),
                               0, static_cast<std::uint8_t>(to->row), static_cast<std::uint8_t>(to->column)});
    board[from->row][from->column] = kEmpty;
    board[to->row][to->column] = piece;
    return true;
}

}  // namespace

int numeral_value(std::string_view character) {
    for (int n = 1; n <= 9; ++n)
        if (character == kRedNumerals[n]) return n;
    return 0;
}

std::optional<Square> red_destination(std::string_view name, int from_row, int from_column,
                                      std::string_view direction, int number) {
    return destination(true, name, from_row, from_column, direction, number);
}

std::optional<Square> black_destination(std::string_view name, int from_row, int from_column,
                                        std::string_view direction, int number) {
    return destination(false, name, from_row, from_column, direction, number);
}

bool read_red_notation(std::string_view token, Position& board, std::vector<MoveRecord>& moves) {
    return read_notation(true, token, board, moves);
}

bool read_black_notation(std::string_view token, Position& board, std::vector<MoveRecord>& moves) {
    return read_notation(false, token, board, moves);
}

}  // namespace kelvara
