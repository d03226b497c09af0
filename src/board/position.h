#pragma once
// A position: 10 rows by 9 columns of piece codes, [row][column]. In standard
// orientation row 0 (top) is red's back rank and red advances towards higher rows.

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

// The square that shows standard square (row, column) on a board turned by 180 degrees.
struct Square {
    int row;
    int column;
    friend constexpr bool operator==(Square, Square) = default;
};
constexpr Square rotated(Square s) { return {kRows - 1 - s.row, kColumns - 1 - s.column}; }

// Rotation by 180 degrees, square for square.
constexpr Position rotated(const Position& p) {
    Position out{};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) out[r][c] = p[kRows - 1 - r][kColumns - 1 - c];
    return out;
}

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
};

}  // namespace kelvara
