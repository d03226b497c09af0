#pragma once
// Invariants that every record reader keeps, whatever bytes it was given.

#include <cstddef>
#include <optional>
#include <vector>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara::fuzz {

// Moves and rows paired; every move record on the board with a piece code 0-31; both
// positions hold only piece codes and empty squares; rows coloured red or grey and made
// of whole characters; a stop only when fewer than `announced` moves were read, numbered
// as the move after the last one read.
void check_read(const GameRecord& game, const MoveList& list, const std::optional<ReadStop>& stop,
                std::size_t announced);

// Plays the moves on start (standard orientation) and returns the final position. When
// pieces_must_stand, a piece of each move's side and kind must stand on its from-square as
// it is played (either code of a pair names the piece).
Position replay(const std::vector<MoveRecord>& moves, Position start, bool pieces_must_stand);

bool holds_only_pieces(const Position& position);

}  // namespace kelvara::fuzz
