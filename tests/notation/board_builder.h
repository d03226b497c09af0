#pragma once
// Small boards for the notation tests: the named pieces on an otherwise empty board.

#include <initializer_list>

#include "board/position.h"

namespace kelvara::test {

struct Placed {
    int row;
    int column;
    PieceCode code;
};

inline Position board_with(std::initializer_list<Placed> pieces) {
    Position board;
    for (auto& row : board) row.fill(kEmpty);
    for (const Placed& p : pieces) board[p.row][p.column] = p.code;
    return board;
}

}  // namespace kelvara::test
