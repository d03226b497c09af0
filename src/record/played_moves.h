#pragma once
// A record's game as the rules see it: the start position in standard orientation, the
// side that moves first and the moves, for whatever replays or judges the game.

#include <vector>

#include "board/position.h"
#include "record/game_record.h"

namespace kelvara {

// The position of the FEN start text, else the standard layout; whatever the flip state.
Position start_position(const GameRecord& game);
// The side of the first move's piece, which records mark unreliably otherwise; for a
// record without moves, the side the record names.
Side first_mover(const GameRecord& game);
std::vector<Move> played_moves(const GameRecord& game);

}  // namespace kelvara
