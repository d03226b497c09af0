#pragma once
// The row texts and colours that the readers write for each move.

#include <string>
#include <string_view>

#include "record/move_list.h"

namespace kelvara {

// A move that carries a turn number: "<turn>." + text, drawn red.
inline void append_numbered_row(MoveList& list, int turn, std::string_view text) {
    list.append(std::to_string(turn) + "." + std::string(text), kRedRow);
}

// A move without a turn number, drawn grey.
inline void append_plain_row(MoveList& list, std::string_view text) { list.append(std::string(text), kGreyRow); }

}  // namespace kelvara
