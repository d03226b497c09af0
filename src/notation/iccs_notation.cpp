#include "notation/iccs_notation.h"

#include "notation/move_marks.h"

namespace kelvara::notation {

namespace {

std::optional<Square> square_of(char file, char rank) {
    const char lower = file >= 'A' && file <= 'Z' ? static_cast<char>(file - 'A' + 'a') : file;
    if (lower < 'a' || lower > 'i' || rank < '0' || rank > '9') return std::nullopt;
    return Square{rank - '0', column_of_coordinate_file(lower - 'a')};
}

void append_square(std::string& out, Square s, bool upper) {
    out += static_cast<char>((upper ? 'A' : 'a') + (kColumns - 1 - s.column));
    out += static_cast<char>('0' + s.row);
}

}  // namespace

std::optional<Move> parse_iccs_move(std::string_view token) {
    std::string s = bare_move(token, 4);
    if (s.size() == 5 && s[2] == '-') s.erase(2, 1);
    if (s.size() != 4) return std::nullopt;
    const auto from = square_of(s[0], s[1]);
    const auto to = square_of(s[2], s[3]);
    if (!from || !to) return std::nullopt;
    return Move{*from, *to};
}

std::string iccs_move_text(Move move, IccsStyle style) {
    if (!on_board(move.from) || !on_board(move.to)) return {};
    std::string out;
    append_square(out, move.from, style == IccsStyle::Dashed);
    if (style == IccsStyle::Dashed) out += '-';
    append_square(out, move.to, style == IccsStyle::Dashed);
    return out;
}

}  // namespace kelvara::notation
