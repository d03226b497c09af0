#include "notation/wxf_notation.h"

#include <cctype>
#include <vector>

#include "notation/move_marks.h"
#include "notation/piece_letters.h"

namespace kelvara::notation {

namespace {

bool is_digit(char c) { return c >= '1' && c <= '9'; }
bool is_sign(char c) { return c == '+' || c == '-'; }

std::optional<Direction> direction_of(char c) {
    if (c == '+') return Direction::Forward;
    if (c == '-') return Direction::Back;
    if (c == '.' || c == '=') return Direction::Sideways;
    return std::nullopt;
}

char direction_char(Direction d) { return d == Direction::Forward ? '+' : d == Direction::Back ? '-' : '.'; }

// Who moves, from the first two characters.
bool describe_piece(char a, char b, MoveDescription& d) {
    const PieceKind first = kind_of_letter(a);
    const PieceKind second = kind_of_letter(b);
    const char lower_b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
    if (first != PieceKind::None) {
        d.kind = first;
        if (is_digit(b)) {
            d.file = b - '0';
            d.among = Among::WxfDigit;
        } else if (is_sign(b)) {
            d.among = b == '+' ? Among::WxfPlus : Among::WxfMinus;
        } else if (b == '.') {
            d.among = Among::Middle;
        } else if (lower_b >= 'a' && lower_b <= 'e') {
            d.among = Among::Ordinal;
            d.ordinal = lower_b - 'a' + 1;
        } else {
            return false;
        }
        return true;
    }
    if (is_sign(a) && second != PieceKind::None) {  // +C-2: the sign before the letter
        d.kind = second;
        d.among = a == '+' ? Among::WxfPlus : Among::WxfMinus;
        return true;
    }
    if (is_sign(a) && b == a) {  // ++ and --: the outermost of four or five pawns
        d.kind = PieceKind::Soldier;
        d.among = a == '+' ? Among::Front : Among::Rear;
        return true;
    }
    if (is_digit(a) && (is_sign(b) || b == a)) {  // 3+ 33 3-: pawns on two files
        d.kind = PieceKind::Soldier;
        d.file = a - '0';
        d.among = b == a ? Among::Middle : b == '+' ? Among::Front : Among::Rear;
        return true;
    }
    return false;
}

bool another_file_holds_two(const Position& board, Side side, PieceKind kind, int column) {
    for (int c = 0; c < kColumns; ++c)
        if (c != column && like_on_file(board, side, kind, c).size() >= 2) return true;
    return false;
}

// The first two characters: the letter and the file, or the tandem signs.
std::string who_moves(const Position& board, Side side, PieceKind kind, Square from) {
    const char letter = letter_of(kind);
    const char file = static_cast<char>('0' + file_of_column(side, from.column));
    const std::vector<int> rows = like_on_file(board, side, kind, from.column);
    const int n = static_cast<int>(rows.size());
    int i = 0;
    while (i < n && rows[i] != from.row) ++i;
    const bool never_tandem =
        kind == PieceKind::King || kind == PieceKind::Advisor || kind == PieceKind::Elephant;
    if (never_tandem || n < 2) return {letter, file};
    const char place = i == 0 ? '+' : i == n - 1 ? '-' : file;
    if (kind == PieceKind::Soldier && n <= 3 && another_file_holds_two(board, side, kind, from.column))
        return {file, place == file ? file : place};
    if (n == 2 || n == 3 || kind != PieceKind::Soldier) return {letter, place};
    // Four or five pawns on a file: ++ P+ (P<file>) P- --.
    if (i == 0) return "++";
    if (i == n - 1) return "--";
    if (i == 1) return {letter, '+'};
    if (i == n - 2) return {letter, '-'};
    return {letter, file};
}

}  // namespace

std::optional<MoveDescription> parse_wxf_move(std::string_view token) {
    const std::string s = bare_move(token, 4);
    if (s.size() != 4) return std::nullopt;
    const auto direction = direction_of(s[2]);
    if (!direction || !is_digit(s[3])) return std::nullopt;
    MoveDescription d;
    d.direction = *direction;
    d.number = s[3] - '0';
    if (!describe_piece(s[0], s[1], d)) return std::nullopt;
    return d;
}

std::string wxf_move_text(const Position& board, Move move) {
    if (!on_board(move.from) || !on_board(move.to)) return {};
    const PieceCode piece = at(board, move.from);
    const auto side = side_of(piece);
    if (!side) return {};
    const PieceKind kind = piece_kind(piece);
    return who_moves(board, *side, kind, move.from) + direction_char(direction_of(*side, move)) +
           static_cast<char>('0' + number_of(*side, kind, move));
}

}  // namespace kelvara::notation
