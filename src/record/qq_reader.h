#pragma once
// The QQ record (.che): space-separated decimal numbers. A header field, the number of
// moves N, then N groups of ten fields (piece, -, side, from row, from column, to row,
// to column, -, -, length of extra text), each group followed by its extra text.

#include <optional>
#include <string_view>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

// Reads the record into game (moves; the reference position ends at the game's final
// position, the board position at the initial arrangement for the flip state) and list
// (one row per move in Chinese notation). Stops at the first group that is not a move on
// the board or where the text ends early, keeping the moves before it.
std::optional<ReadStop> read_qq_record(std::string_view text, GameRecord& game, MoveList& list);

}  // namespace kelvara
