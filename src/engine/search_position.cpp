#include "engine/search_position.h"

#include <array>

#include "board/fen.h"
#include "board/rules.h"
#include "engine/engine_move.h"

namespace kelvara {

namespace {

// The most pieces of each kind a side has in a game, in PieceKind order.
constexpr std::array<int, kPieceKinds> kMostPieces = {1, 2, 2, 2, 2, 2, 5};

bool in_palace(Square s, Side side) {
    const bool rows = side == Side::Red ? s.row <= 2 : s.row >= 7;
    return rows && s.column >= 3 && s.column <= 5;
}

}  // namespace

Position SearchPosition::board() const {
    Position b = start;
    for (const Move& m : moves) make_move(b, m);
    return b;
}

Side SearchPosition::side_to_move() const { return moves.size() % 2 == 0 ? start_side : opponent(start_side); }

bool SearchPosition::moves_are_legal() const {
    Position b = start;
    Side side = start_side;
    for (const Move& m : moves) {
        if (!is_legal_move(b, side, m)) return false;
        make_move(b, m);
        side = opponent(side);
    }
    return true;
}

bool is_playable(const Position& board, Side side_to_move) {
    std::array<std::array<int, kPieceKinds>, 2> counts{};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const PieceCode code = board[r][c];
            const auto side = side_of(code);
            if (!side) continue;
            const PieceKind kind = piece_kind(code);
            if (kind == PieceKind::King && !in_palace({r, c}, *side)) return false;
            if (++counts[static_cast<int>(*side)][static_cast<int>(kind)] > kMostPieces[static_cast<int>(kind)])
                return false;
        }
    }
    constexpr int king = static_cast<int>(PieceKind::King);
    if (counts[0][king] != 1 || counts[1][king] != 1) return false;
    return !in_check(board, opponent(side_to_move));
}

std::string position_command(const SearchPosition& position, int rank_base) {
    if (!position.moves_are_legal())
        return "position fen " + fen_text(position.board(), position.side_to_move());
    std::string command = "position fen " + fen_text(position.start, position.start_side);
    if (!position.moves.empty()) {
        command += " moves";
        for (const Move& m : position.moves) command += " " + engine_move_text(m, rank_base);
    }
    return command;
}

}  // namespace kelvara
