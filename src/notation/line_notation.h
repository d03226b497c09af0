#pragma once
// Moves that an engine proposes, written the way players read them: 炮二平五, 马8进7,
// without the side's prefix that the move list's rows carry.

#include <cstddef>
#include <string>
#include <vector>

#include "board/position.h"

namespace kelvara {

// The move of side on board (standard orientation), in Chinese notation.
std::string chinese_move(const Position& board, Side side, Move move);
// The first `most` moves of a line played from board, each in Chinese notation.
std::vector<std::string> chinese_line(Position board, Side side, const std::vector<Move>& line, std::size_t most);

}  // namespace kelvara
