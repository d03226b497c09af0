#include "notation/move_description.h"

#include <algorithm>
#include <cstdlib>

#include "board/rules.h"

namespace kelvara::notation {

namespace {

// Kings, chariots, cannons and pawns count the rows they go forward or back; horses,
// elephants and advisors name the file they go to.
bool counts_rows(PieceKind kind) {
    return kind == PieceKind::King || kind == PieceKind::Chariot || kind == PieceKind::Cannon ||
           kind == PieceKind::Soldier;
}

// The squares an ordinal counts: on the files that hold two or more of the kind, the
// file on the mover's right first, front to back on each.
std::vector<Square> ordinal_order(const Position& board, Side side, PieceKind kind) {
    std::vector<Square> order;
    for (int file = 1; file <= kColumns; ++file) {
        const int column = column_of_file(side, file);
        const std::vector<int> rows = like_on_file(board, side, kind, column);
        if (rows.size() < 2) continue;
        for (const int row : rows) order.push_back({row, column});
    }
    return order;
}

bool fits_among(const MoveDescription& d, const Position& board, Side side, PieceKind kind, Square from,
                bool lenient) {
    if (d.among == Among::Any) return true;
    const std::vector<int> rows = like_on_file(board, side, kind, from.column);
    const int n = static_cast<int>(rows.size());
    const int i = static_cast<int>(std::find(rows.begin(), rows.end(), from.row) - rows.begin());
    switch (d.among) {
        case Among::Any: return true;
        case Among::Front: return n >= 2 && i == 0;
        case Among::Rear: return n >= 2 && i == n - 1;
        case Among::Middle: return n >= 3 && i > 0 && i < n - 1;
        case Among::WxfPlus: return n >= 2 && i == (n >= 4 && !lenient ? 1 : 0);
        case Among::WxfMinus: return n >= 2 && i == (n >= 4 && !lenient ? n - 2 : n - 1);
        case Among::WxfDigit: return lenient || n % 2 == 0 || i == n / 2;
        case Among::Ordinal:
            if (d.file != 0 || lenient) return n >= 2 && i == d.ordinal - 1;
            const std::vector<Square> order = ordinal_order(board, side, kind);
            return d.ordinal >= 1 && d.ordinal <= static_cast<int>(order.size()) && order[d.ordinal - 1] == from;
    }
    return false;
}

bool fits(const MoveDescription& d, const Position& board, Side side, Move move, bool lenient) {
    const PieceKind kind = piece_kind(at(board, move.from));
    if (d.kind != PieceKind::None && kind != d.kind) return false;
    if (d.file != 0 && file_of_column(side, move.from.column) != d.file) return false;

    const Direction actual = direction_of(side, move);
    Direction said = d.direction;
    // Old records write any move of these pieces that is not forward as a retreat.
    if (lenient && !counts_rows(kind) && said == Direction::Sideways) said = Direction::Back;
    if (actual != said) return false;
    if (number_of(side, kind, move) != d.number) return false;
    return fits_among(d, board, side, kind, move.from, lenient);
}

}  // namespace

std::vector<int> like_on_file(const Position& board, Side side, PieceKind kind, int column) {
    std::vector<int> rows;
    for (int k = 0; k < kRows; ++k) {
        const int row = side == Side::Red ? kRows - 1 - k : k;
        const PieceCode code = board[row][column];
        if (belongs_to(code, side) && piece_kind(code) == kind) rows.push_back(row);
    }
    return rows;
}

Direction direction_of(Side side, Move move) {
    const int rows_forward = (move.to.row - move.from.row) * forward_sense(side);
    return rows_forward > 0 ? Direction::Forward : rows_forward < 0 ? Direction::Back : Direction::Sideways;
}

int number_of(Side side, PieceKind kind, Move move) {
    if (counts_rows(kind) && direction_of(side, move) != Direction::Sideways)
        return std::abs(move.to.row - move.from.row);
    return file_of_column(side, move.to.column);
}

std::vector<Move> moves_fitting(const Position& board, Side side, const std::function<bool(Move)>& fits) {
    std::vector<Move> movement;
    append_movement_moves(board, side, movement);
    std::vector<Move> fitting;
    for (const Move m : movement)
        if (fits(m)) fitting.push_back(m);
    std::vector<Move> legal;
    for (const Move m : fitting)
        if (is_legal_move(board, side, m)) legal.push_back(m);
    return legal.empty() ? fitting : legal;
}

std::vector<Move> moves_described(const MoveDescription& description, const Position& board, Side side) {
    for (const bool lenient : {false, true}) {
        auto found = moves_fitting(board, side, [&](Move m) { return fits(description, board, side, m, lenient); });
        if (!found.empty()) return found;
    }
    return {};
}

}  // namespace kelvara::notation
