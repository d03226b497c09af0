#include "notation/algebraic_notation.h"

#include "notation/iccs_notation.h"
#include "notation/move_description.h"
#include "notation/move_marks.h"
#include "notation/piece_letters.h"

namespace kelvara::notation {

namespace {

bool is_file(char c) { return c >= 'a' && c <= 'i'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Takes a rank (one digit, or 10) off the end of s; -1 when s does not end in one.
int take_rank(std::string_view& s) {
    if (s.size() >= 2 && s.substr(s.size() - 2) == "10") {
        s.remove_suffix(2);
        return 10;
    }
    if (s.empty() || !is_digit(s.back())) return -1;
    const int rank = s.back() - '0';
    s.remove_suffix(1);
    return rank;
}

}  // namespace

std::optional<AlgebraicMove> parse_algebraic_move(std::string_view token) {
    const std::string bare = bare_move(token, 2);
    std::string_view s = bare;
    AlgebraicMove m;
    m.to_rank = take_rank(s);
    if (m.to_rank < 0 || s.empty() || !is_file(s.back())) return std::nullopt;
    m.to_x = s.back() - 'a';
    s.remove_suffix(1);
    if (!s.empty() && (s.back() == 'x' || s.back() == '-')) s.remove_suffix(1);
    if (!s.empty() && s.front() >= 'A' && s.front() <= 'Z') {  // lower case letters are files
        m.kind = kind_of_letter(s.front());
        if (m.kind == PieceKind::None) return std::nullopt;
        s.remove_prefix(1);
    }
    if (!s.empty() && is_file(s.front())) {
        m.from_x = s.front() - 'a';
        s.remove_prefix(1);
    }
    if (!s.empty()) {
        m.from_rank = take_rank(s);
        if (m.from_rank < 0 || !s.empty()) return std::nullopt;
    }
    return m;
}

std::vector<Move> moves_algebraic(const AlgebraicMove& move, const Position& board, Side side, int rank_base) {
    const Square to{move.to_rank - rank_base, column_of_coordinate_file(move.to_x)};
    if (!on_board(to)) return {};
    return moves_fitting(board, side, [&](Move m) {
        if (m.to != to || piece_kind(at(board, m.from)) != move.kind) return false;
        if (move.from_x >= 0 && m.from.column != column_of_coordinate_file(move.from_x)) return false;
        return move.from_rank < 0 || m.from.row == move.from_rank - rank_base;
    });
}

}  // namespace kelvara::notation
