#pragma once
// What applying a move, or taking it back, changed on the board: the two display squares
// it touched, the piece that moved and what stood on (or went back to) its destination.
// Playback chooses the move's sound by it; the GIF maker compares only these squares.

#include "board/piece.h"
#include "board/position.h"

namespace kelvara {

struct BoardTransition {
    Square from;
    Square to;
    PieceCode piece;
    PieceCode captured;  // kEmpty when the move took nothing
    bool captures() const { return captured != kEmpty; }
};

}  // namespace kelvara
