#pragma once
// One move as text, for the readers that get moves as squares and the PGN writer.

#include <string>

#include "board/position.h"

namespace kelvara {

// The move in Chinese notation as the move list's writer writes it, without its side
// prefix: 炮二平五, 马8进7. board is in standard orientation, before the move.
std::string chinese_move_text(const Position& board, Side side, Move move);

// The move in ICCS coordinates, "H2-E2"; a square off the board is "??".
std::string iccs_text(Move move);

}  // namespace kelvara
