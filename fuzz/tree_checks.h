#pragma once
// Invariants of the readers that load a move tree (XQF, CBR/CBL, DhtmlXQ), whatever
// bytes they were given.

#include <optional>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara::fuzz {

// Moves and rows paired (a stop names the move after the last one read); every move of
// the main line and of every alternative, however nested, is legal where it stands, made
// by the side to move with the piece that stands on its from-square; alternatives nest no
// deeper than the loader allows; the board shows the start for the flip state.
void check_tree_read(const GameRecord& game, const MoveList& list, const std::optional<ReadStop>& stop);

}  // namespace kelvara::fuzz
