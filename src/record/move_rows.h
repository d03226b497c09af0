#pragma once
// The row texts and colours that the readers write for each move: red's moves carry the
// turn number and are drawn red, black's are drawn grey.

#include <string>
#include <string_view>

#include "board/piece.h"
#include "record/move_list.h"

namespace kelvara {

// A move that carries a turn number: "<turn>." + text, drawn red.
inline void append_numbered_row(MoveList& list, int turn, std::string_view text) {
    list.append(std::to_string(turn) + "." + std::string(text), kRedRow);
}

// A move without a turn number, drawn grey.
inline void append_plain_row(MoveList& list, std::string_view text) { list.append(std::string(text), kGreyRow); }

// The turn number of red's move at ply (from 0) of a game whose first move is first's:
// red's first move is turn 1 whoever opens.
constexpr int turn_of_ply(int ply, Side first) { return (ply - (first == Side::Black ? 1 : 0)) / 2 + 1; }

// The row text of a move of side at ply: text already starts with the side ("红：…").
inline std::string row_text(Side side, int ply, Side first, std::string_view text) {
    if (side == Side::Black) return std::string(text);
    return std::to_string(turn_of_ply(ply, first)) + "." + std::string(text);
}

}  // namespace kelvara
