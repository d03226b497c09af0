#include "record/move_text.h"

#include "notation/move_notation.h"

namespace kelvara {

std::string chinese_move_text(const Position& board, Side side, Move move) {
    const std::string text = move_notation(at(board, move.from), side == Side::Red ? 1 : 0, move.from.row,
                                           move.from.column, move.to.row, move.to.column, board);
    constexpr std::size_t kPrefixBytes = 4;  // 红： or 黑：
    return text.size() > kPrefixBytes ? text.substr(kPrefixBytes) : text;
}

std::string iccs_text(Move move) {
    auto square = [](Square s) {
        if (!on_board(s)) return std::string("??");
        return std::string{static_cast<char>('A' + (kColumns - 1 - s.column)), static_cast<char>('0' + s.row)};
    };
    return square(move.from) + "-" + square(move.to);
}

}  // namespace kelvara
