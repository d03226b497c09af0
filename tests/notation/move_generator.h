#pragma once
// Every move the pieces' movement rules allow on a position (standard orientation), without
// looking at check: the round trip needs each piece's reachable squares, not legality.

#include <vector>

#include "board/position.h"

namespace kelvara::test {

struct GeneratedMove {
    PieceCode piece;
    Square from;
    Square to;
};

std::vector<GeneratedMove> generate_moves(const Position& board);

}  // namespace kelvara::test
