#pragma once
// Puts a game read as a start position and a move tree (XQF, CBR, DhtmlXQ) into the game
// record: the main line as moves and rows in Chinese notation, the other children as
// alternative lines, the comments as notes. Every move is checked against the board: its
// piece must stand on its from-square and belong to the side to move, and the rules must
// allow it.

#include <optional>

#include "board/position.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "record/move_tree.h"
#include "record/read_stop.h"

namespace kelvara {

// Alternatives nested deeper than this are left out, so that no file can make the lines
// of a game deeper than the program's walks over them can go.
inline constexpr int kMaxLineNesting = 256;

// The start position of the record: none when it is the standard arrangement (by side
// and kind, whatever codes the record gave its pieces), else the record's own as FEN,
// read back so that its pieces get the codes a PGN record of it would give them. Sets
// the reference position accordingly.
void set_record_start(GameRecord& game, const Position& start);

// Loads the tree into a game and list the caller has reset, from the start position
// set_record_start gave (game.reference, or the standard layout). The side to move first
// is the side of the first move's piece; side_hint decides when the tree has no move to
// tell. A main-line move that cannot be played (or where the record breaks off) stops the
// reading with the moves before it kept; an alternative line ends before such a move.
// Leaves the board position at the start for the flip state.
std::optional<ReadStop> load_move_tree(const MoveTree& tree, GameRecord& game, MoveList& list,
                                       Side side_hint = Side::Red);

// The game of a record too short to hold one: the standard start, no moves, and a stop
// at move 1 that says the record breaks off.
ReadStop no_game_read(GameRecord& game);

}  // namespace kelvara
