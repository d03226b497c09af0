#pragma once
// The board field of a Xiangqi FEN: ten ranks separated by "/", black's side first,
// letters for pieces (lower case black, upper case red), digits for empty squares.

#include <string_view>

#include "board/position.h"

namespace kelvara {

// The position in standard orientation (red's last rank becomes row 0). Missing ranks
// and squares are empty; unknown letters are empty squares; other bytes are skipped.
Position parse_fen_board(std::string_view field);

}  // namespace kelvara
