#pragma once
// Invariants that every record reader keeps, whatever bytes it was given.

#include <cstddef>
#include <optional>
#include <string_view>
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

// Reads one of the PGN text's games (which one follows from the size) with the flip state
// and checks what any reading keeps: the check_read invariants against the game's listed
// plies; the main line and every alternative line replay from where they start, each
// piece standing where its move takes it from; the board back at the start; the title cut
// at a whole character.
void check_pgn_reading(std::string_view bytes, int flip_state);

}  // namespace kelvara::fuzz
