#pragma once
// A position: 10 rows by 9 columns of piece codes, [row][column]. In standard
// orientation row 0 (top) is red's back rank and red advances towards higher rows;
// column 0 is red's file 一 (file i of coordinate notation), column 8 red's file 九.

#include <array>
#include <cstdint>

#include "board/piece.h"

namespace kelvara {

inline constexpr int kRows = 10;
inline constexpr int kColumns = 9;

using Position = std::array<std::array<PieceCode, kColumns>, kRows>;

constexpr bool on_board(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

struct Square {
    int row;
    int column;
    friend constexpr bool operator==(Square, Square) = default;
};
constexpr bool on_board(Square s) { return on_board(s.row, s.column); }

// The square that shows standard square (row, column) on a board turned by 180 degrees.
constexpr Square rotated(Square s) { return {kRows - 1 - s.row, kColumns - 1 - s.column}; }

// Rotation by 180 degrees, square for square.
constexpr Position rotated(const Position& p) {
    Position out{};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) out[r][c] = p[kRows - 1 - r][kColumns - 1 - c];
    return out;
}

constexpr Position empty_position() {
    Position p{};
    for (auto& row : p) row.fill(kEmpty);
    return p;
}

constexpr PieceCode at(const Position& p, Square s) { return p[s.row][s.column]; }

// A move on the board, in standard orientation.
struct Move {
    Square from;
    Square to;
    friend constexpr bool operator==(Move, Move) = default;
};

// One move of the game, in standard orientation. `captured` is what stood on the
// destination when the move was last played forward (0 until it first is).
struct MoveRecord {
    PieceCode piece = 0;
    std::uint8_t from_row = 0;
    std::uint8_t from_column = 0;
    PieceCode captured = 0;
    std::uint8_t to_row = 0;
    std::uint8_t to_column = 0;
    friend constexpr bool operator==(const MoveRecord&, const MoveRecord&) = default;

    constexpr Square from() const { return {from_row, from_column}; }
    constexpr Square to() const { return {to_row, to_column}; }
};

// The record of a move about to be played on p (captured 0, as records keep it).
constexpr MoveRecord move_record(const Position& p, Move m) {
    return MoveRecord{at(p, m.from), static_cast<std::uint8_t>(m.from.row), static_cast<std::uint8_t>(m.from.column), 0,
                      static_cast<std::uint8_t>(m.to.row), static_cast<std::uint8_t>(m.to.column)};
}

}  // namespace kelvara
