#include "record/played_moves.h"

#include "board/fen.h"
#include "board/layouts.h"

namespace kelvara {

Position start_position(const GameRecord& game) {
    return game.fen_start.empty() ? kStandardLayout : parse_fen_board(game.fen_start);
}

Side first_mover(const GameRecord& game) {
    if (game.moves.empty()) return game.first_to_move;
    return side_of(game.moves.front().piece).value_or(game.first_to_move);
}

std::vector<Move> played_moves(const GameRecord& game) {
    std::vector<Move> moves;
    moves.reserve(game.moves.size());
    for (const MoveRecord& m : game.moves) moves.push_back({m.from(), m.to()});
    return moves;
}

}  // namespace kelvara
