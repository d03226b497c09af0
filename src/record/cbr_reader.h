#pragma once
// CCBridge records: a CBR file holds one game, a CBL library many (an index, then one
// CBR record per game). Texts are UTF-16LE in fixed fields; the moves are a tree in
// pre-order with a UTF-16LE comment on any move and on the start.

#include <optional>
#include <string_view>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

bool looks_like_cbr(std::string_view bytes);
bool looks_like_cbl(std::string_view bytes);

// Reads a CBR record into a game and list the caller has reset (facts, start position,
// main line, alternatives, comments). Stops at the first main-line move that cannot be
// read or played, keeping the moves before it.
std::optional<ReadStop> read_cbr_record(std::string_view bytes, GameRecord& game, MoveList& list);

// The games of a library: its live entries whose records hold moves, in the library's order;
// section headings (no moves) and entries marked deleted are left out.
std::vector<GameSummary> list_cbl_games(std::string_view bytes);
// Reads game `index` (from 0) of those list_cbl_games gives. An index past them reads no
// game and gives a stop at move 1.
std::optional<ReadStop> read_cbl_game(std::string_view bytes, int index, GameRecord& game, MoveList& list);

}  // namespace kelvara
