#include "engine/engine_move.h"

#include <cctype>

namespace kelvara {

namespace {

// File letter 'a' is red's left edge, column 8 in standard orientation.
char file_letter(int column) { return static_cast<char>('a' + (kColumns - 1 - column)); }

std::string square_text(Square s, int rank_base) { return file_letter(s.column) + std::to_string(s.row + rank_base); }

// One square at the front of text: a letter and one or two digits. Moves the view past it.
struct SquareWords {
    int file;  // 0 for 'a'
    int rank;  // as written
};

std::optional<SquareWords> take_square(std::string_view& text) {
    if (text.size() < 2) return std::nullopt;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    if (letter < 'a' || letter > 'i' || !std::isdigit(static_cast<unsigned char>(text[1]))) return std::nullopt;
    int rank = text[1] - '0';
    std::size_t used = 2;
    if (text.size() > 2 && std::isdigit(static_cast<unsigned char>(text[2]))) {
        rank = rank * 10 + (text[2] - '0');
        used = 3;
    }
    text.remove_prefix(used);
    return SquareWords{letter - 'a', rank};
}

struct MoveWords {
    SquareWords from;
    SquareWords to;
};

std::optional<MoveWords> move_words(std::string_view text) {
    const auto from = take_square(text);
    if (!from) return std::nullopt;
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    const auto to = take_square(text);
    if (!to || !text.empty()) return std::nullopt;
    return MoveWords{*from, *to};
}

}  // namespace

std::string engine_move_text(Move move, int rank_base) {
    return square_text(move.from, rank_base) + square_text(move.to, rank_base);
}

std::optional<Move> parse_engine_move(std::string_view text, int rank_base) {
    const auto words = move_words(text);
    if (!words) return std::nullopt;
    const auto square = [rank_base](SquareWords w) { return Square{w.rank - rank_base, kColumns - 1 - w.file}; };
    const Move move{square(words->from), square(words->to)};
    if (!on_board(move.from) || !on_board(move.to)) return std::nullopt;
    return move;
}

std::optional<int> rank_base_shown(std::string_view text) {
    const auto words = move_words(text);
    if (!words) return std::nullopt;
    for (const SquareWords w : {words->from, words->to}) {
        if (w.rank == 0) return 0;
        if (w.rank == kRows) return 1;
    }
    return std::nullopt;
}

}  // namespace kelvara
