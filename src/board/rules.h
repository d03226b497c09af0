#pragma once
// The rules of movement: which moves a side may make in a position (standard
// orientation). A move is legal when the piece's movement allows it (palace, river,
// elephant eye, horse leg, cannon screen) and it leaves neither its own general attacked
// nor the two generals facing each other on an open file.
//
// Positions from records may be anything: no general, two of them, pieces where they can
// never stand. The rules never fail on them; they answer for the pieces that are there.

#include <cstdint>
#include <vector>

#include "board/position.h"

namespace kelvara {

// Appends to out every legal move of side (out is not cleared, so a caller can reuse it).
void append_legal_moves(const Position& board, Side side, std::vector<Move>& out);
std::vector<Move> legal_moves(const Position& board, Side side);
// Every move the pieces' movement allows side, whether or not it leaves its own general
// attacked: records sometimes play on where a general could be taken.
void append_movement_moves(const Position& board, Side side, std::vector<Move>& out);
// The legal moves of the piece on from (none when it is empty or not side's).
std::vector<Move> legal_moves_from(const Position& board, Side side, Square from);
bool is_legal_move(const Position& board, Side side, Move move);

// The general of side is attacked, or faces the other general on an open file.
bool in_check(const Position& board, Side side);
// Side has no legal move (checkmate or stalemate; both lose in Xiangqi).
bool has_no_moves(const Position& board, Side side);

// Plays a move and returns what stood on its destination; unmake_move puts it back.
PieceCode make_move(Position& board, Move move);
void unmake_move(Position& board, Move move, PieceCode captured);

// The number of move paths of the given depth: the standard check of a move generator.
std::uint64_t perft(Position& board, Side side, int depth);

}  // namespace kelvara
