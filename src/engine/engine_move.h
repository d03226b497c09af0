#pragma once
// Moves as engines write them: the from-square then the to-square, each a file letter a-i
// counted from red's left and a rank counted from red's back rank. Engines differ in where
// they start counting ranks: from 0 like ICCS (UCCI and most xiangqi engines) or from 1
// (engines of many variants, so that the cannon's 炮二平五 is h3e3).

#include <optional>
#include <string>
#include <string_view>

#include "board/position.h"

namespace kelvara {

std::string engine_move_text(Move move, int rank_base);
// nullopt when the text is no move on the board in that counting.
std::optional<Move> parse_engine_move(std::string_view text, int rank_base);

// What the text shows about the counting: 0 when it names rank 0, 1 when it names rank 10,
// nullopt when it could be either.
std::optional<int> rank_base_shown(std::string_view text);

}  // namespace kelvara
