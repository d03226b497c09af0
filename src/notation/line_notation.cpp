#include "notation/line_notation.h"

#include "board/rules.h"
#include "notation/move_notation.h"
#include "notation/numerals.h"

namespace kelvara {

std::string chinese_move(const Position& board, Side side, Move move) {
    const bool red = side == Side::Red;
    std::string text = move_notation(at(board, move.from), red ? 1 : 0, move.from.row, move.from.column, move.to.row,
                                     move.to.column, board);
    const std::string_view prefix = red ? notation::kRedSidePrefix : notation::kBlackSidePrefix;
    if (text.starts_with(prefix)) text.erase(0, prefix.size());
    return text;
}

std::vector<std::string> chinese_line(Position board, Side side, const std::vector<Move>& line, std::size_t most) {
    std::vector<std::string> texts;
    for (const Move& move : line) {
        if (texts.size() >= most) break;
        texts.push_back(chinese_move(board, side, move));
        make_move(board, move);
        side = opponent(side);
    }
    return texts;
}

}  // namespace kelvara
