#include "board/rules.h"

#include <algorithm>
#include <cstdlib>

namespace kelvara {

namespace {

struct Step {
    int row;
    int column;
};

constexpr Step kOrthogonal[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr Step kDiagonal[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
// A horse's eight jumps and, for each, the square beside the horse that must be empty.
struct Jump {
    Step to;
    Step leg;
};
constexpr Jump kHorseJumps[] = {
    {{2, 1}, {1, 0}},   {{2, -1}, {1, 0}},   {{-2, 1}, {-1, 0}}, {{-2, -1}, {-1, 0}},
    {{1, 2}, {0, 1}},   {{-1, 2}, {0, 1}},   {{1, -2}, {0, -1}}, {{-1, -2}, {0, -1}},
};

// Red's half is rows 0-4 and its palace rows 0-2; black's are rows 5-9 and 7-9.
constexpr bool in_palace(Side side, int row, int column) {
    return column >= 3 && column <= 5 && (side == Side::Red ? row >= 0 && row <= 2 : row >= 7 && row <= 9);
}
constexpr bool in_own_half(Side side, int row) { return side == Side::Red ? row <= 4 : row >= 5; }
constexpr int forward(Side side) { return side == Side::Red ? 1 : -1; }

bool empty_or_missing(const Position& b, int row, int column) { return !is_piece(b[row][column]); }

// Pseudo-legal moves of the piece on (row, column): its movement, ignoring check.
void append_piece_moves(const Position& b, Side side, int row, int column, std::vector<Move>& out) {
    const Square from{row, column};
    const auto add = [&](int r, int c) {
        if (on_board(r, c) && !belongs_to(b[r][c], side)) out.push_back({from, {r, c}});
    };
    switch (piece_kind(b[row][column])) {
        case PieceKind::King:
            for (const Step s : kOrthogonal)
                if (in_palace(side, row + s.row, column + s.column)) add(row + s.row, column + s.column);
            break;
        case PieceKind::Advisor:
            for (const Step s : kDiagonal)
                if (in_palace(side, row + s.row, column + s.column)) add(row + s.row, column + s.column);
            break;
        case PieceKind::Elephant:
            for (const Step s : kDiagonal) {
                const int r = row + 2 * s.row, c = column + 2 * s.column;
                if (on_board(r, c) && in_own_half(side, r) && empty_or_missing(b, row + s.row, column + s.column))
                    add(r, c);
            }
            break;
        case PieceKind::Horse:
            for (const Jump j : kHorseJumps) {
                const int r = row + j.to.row, c = column + j.to.column;
                if (on_board(r, c) && empty_or_missing(b, row + j.leg.row, column + j.leg.column)) add(r, c);
            }
            break;
        case PieceKind::Chariot:
            for (const Step s : kOrthogonal) {
                int r = row + s.row, c = column + s.column;
                for (; on_board(r, c) && empty_or_missing(b, r, c); r += s.row, c += s.column) add(r, c);
                if (on_board(r, c)) add(r, c);
            }
            break;
        case PieceKind::Cannon:
            for (const Step s : kOrthogonal) {
                int r = row + s.row, c = column + s.column;
                for (; on_board(r, c) && empty_or_missing(b, r, c); r += s.row, c += s.column) add(r, c);
                // Over the screen to the first piece behind it, which it may take.
                for (r += s.row, c += s.column; on_board(r, c); r += s.row, c += s.column) {
                    if (empty_or_missing(b, r, c)) continue;
                    if (!belongs_to(b[r][c], side)) out.push_back({from, {r, c}});
                    break;
                }
            }
            break;
        case PieceKind::Soldier: {
            add(row + forward(side), column);
            if (!in_own_half(side, row)) {
                add(row, column - 1);
                add(row, column + 1);
            }
            break;
        }
        case PieceKind::None:
            break;
    }
}

bool is_enemy(const Position& b, int row, int column, Side side, PieceKind kind) {
    const PieceCode code = b[row][column];
    return is_piece(code) && !belongs_to(code, side) && piece_kind(code) == kind;
}

// Whether any piece of the other side attacks (row, column), or the other general looks
// at it along an open file (the square of side's general).
bool attacked(const Position& b, Side side, int row, int column) {
    // Along the four lines: the first piece may be a chariot or a facing general (on the
    // file), the second a cannon.
    for (const Step s : kOrthogonal) {
        int r = row + s.row, c = column + s.column;
        while (on_board(r, c) && empty_or_missing(b, r, c)) r += s.row, c += s.column;
        if (!on_board(r, c)) continue;
        if (is_enemy(b, r, c, side, PieceKind::Chariot)) return true;
        if (s.column == 0 && is_enemy(b, r, c, side, PieceKind::King)) return true;
        for (r += s.row, c += s.column; on_board(r, c); r += s.row, c += s.column) {
            if (empty_or_missing(b, r, c)) continue;
            if (is_enemy(b, r, c, side, PieceKind::Cannon)) return true;
            break;
        }
    }
    // A horse at (row, column) - jump attacks it when the horse's own leg square is empty.
    for (const Jump j : kHorseJumps) {
        const int hr = row - j.to.row, hc = column - j.to.column;
        if (on_board(hr, hc) && is_enemy(b, hr, hc, side, PieceKind::Horse) &&
            empty_or_missing(b, hr + j.leg.row, hc + j.leg.column))
            return true;
    }
    // Soldiers take forward, and sideways once over the river.
    const Side enemy = opponent(side);
    const int behind = row - forward(enemy);
    if (on_board(behind, column) && is_enemy(b, behind, column, side, PieceKind::Soldier)) return true;
    for (const int dc : {-1, 1})
        if (on_board(row, column + dc) && !in_own_half(enemy, row) &&
            is_enemy(b, row, column + dc, side, PieceKind::Soldier))
            return true;
    // Advisors and elephants only reach their own side, but a record's position may put
    // them anywhere; they attack as they move.
    for (const Step s : kDiagonal) {
        const int ar = row + s.row, ac = column + s.column;
        if (on_board(ar, ac) && is_enemy(b, ar, ac, side, PieceKind::Advisor) && in_palace(enemy, row, column))
            return true;
        const int er = row + 2 * s.row, ec = column + 2 * s.column;
        if (on_board(er, ec) && is_enemy(b, er, ec, side, PieceKind::Elephant) && in_own_half(enemy, row) &&
            empty_or_missing(b, ar, ac))
            return true;
    }
    return false;
}

// The square of side's general, looked for in its palace first; row -1 when it has none.
Square general_of(const Position& b, Side side) {
    const int first = side == Side::Red ? 0 : 7;
    for (int r = first; r < first + 3; ++r)
        for (int c = 3; c <= 5; ++c)
            if (belongs_to(b[r][c], side) && piece_kind(b[r][c]) == PieceKind::King) return {r, c};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (belongs_to(b[r][c], side) && piece_kind(b[r][c]) == PieceKind::King) return {r, c};
    return {-1, -1};
}

bool leaves_general_safe(Position& b, Side side, Move m) {
    const PieceCode captured = make_move(b, m);
    const bool safe = !in_check(b, side);
    unmake_move(b, m, captured);
    return safe;
}

void append_legal_from(const Position& board, Side side, int row, int column, std::vector<Move>& out) {
    const std::size_t first = out.size();
    append_piece_moves(board, side, row, column, out);
    Position scratch = board;
    const auto illegal = [&](const Move& m) { return !leaves_general_safe(scratch, side, m); };
    out.erase(std::remove_if(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(), illegal), out.end());
}

}  // namespace

bool in_check(const Position& board, Side side) {
    const Square g = general_of(board, side);
    return g.row >= 0 && attacked(board, side, g.row, g.column);
}

void append_movement_moves(const Position& board, Side side, std::vector<Move>& out) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (belongs_to(board[r][c], side)) append_piece_moves(board, side, r, c, out);
}

void append_legal_moves(const Position& board, Side side, std::vector<Move>& out) {
    const std::size_t first = out.size();
    append_movement_moves(board, side, out);
    Position scratch = board;
    const auto illegal = [&](const Move& m) { return !leaves_general_safe(scratch, side, m); };
    out.erase(std::remove_if(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(), illegal), out.end());
}

std::vector<Move> legal_moves(const Position& board, Side side) {
    std::vector<Move> out;
    out.reserve(64);
    append_legal_moves(board, side, out);
    return out;
}

std::vector<Move> legal_moves_from(const Position& board, Side side, Square from) {
    std::vector<Move> out;
    if (on_board(from) && belongs_to(at(board, from), side)) append_legal_from(board, side, from.row, from.column, out);
    return out;
}

bool is_legal_move(const Position& board, Side side, Move move) {
    if (!on_board(move.from) || !on_board(move.to)) return false;
    const std::vector<Move> moves = legal_moves_from(board, side, move.from);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

bool has_no_moves(const Position& board, Side side) {
    std::vector<Move> moves;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (belongs_to(board[r][c], side)) {
                append_legal_from(board, side, r, c, moves);
                if (!moves.empty()) return false;
            }
    return true;
}

PieceCode make_move(Position& board, Move move) {
    PieceCode& target = board[move.to.row][move.to.column];
    const PieceCode captured = target;
    target = board[move.from.row][move.from.column];
    board[move.from.row][move.from.column] = kEmpty;
    return captured;
}

void unmake_move(Position& board, Move move, PieceCode captured) {
    board[move.from.row][move.from.column] = board[move.to.row][move.to.column];
    board[move.to.row][move.to.column] = captured;
}

std::uint64_t perft(Position& board, Side side, int depth) {
    if (depth <= 0) return 1;
    const std::vector<Move> moves = legal_moves(board, side);
    if (depth == 1) return moves.size();
    std::uint64_t total = 0;
    for (const Move m : moves) {
        const PieceCode captured = make_move(board, m);
        total += perft(board, opponent(side), depth - 1);
        unmake_move(board, m, captured);
    }
    return total;
}

}  // namespace kelvara
