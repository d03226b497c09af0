#pragma once
// Algebraic notation as WinBoard and pychess write xiangqi in PGN ([Variant "xiangqi"]):
// [piece][from-file][from-rank][x]<file><rank>[+|#], files a-i from red's left: Cbe2,
// Hc7, Rb10, A10e9, Cxc3, c4 (WinBoard leaves out the pawn's letter, pychess writes P).
// WinBoard counts ranks 0-9 from red's back rank, pychess 1-10; the record tells which.

#include <optional>
#include <string_view>
#include <vector>

#include "board/position.h"

namespace kelvara::notation {

struct AlgebraicMove {
    PieceKind kind = PieceKind::Soldier;  // a move without a letter is a pawn's
    int from_x = -1;                      // the from-file when written: 0-8 from red's left
    int from_rank = -1;                   // the from-rank when written, as written
    int to_x = 0;
    int to_rank = 0;                      // as written: 0-9 or 1-10
};

std::optional<AlgebraicMove> parse_algebraic_move(std::string_view token);

// The moves of side that fit, with ranks counted from rank_base (0 or 1) at red's back rank.
std::vector<Move> moves_algebraic(const AlgebraicMove& move, const Position& board, Side side, int rank_base);

}  // namespace kelvara::notation
