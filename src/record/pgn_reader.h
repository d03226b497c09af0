#pragma once
// The PGN record (.pgn): the title from the Event tag, the start position from the FEN
// tag, and the moves of the first game in Chinese notation.

#include <optional>
#include <string_view>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

// Reads the record (GBK, or UTF-8 which is converted first) into game and list. Rows read
// "N.红：move" for red and "黑：move" for black, the move as the file wrote it. Stops at
// the first move the notation reader cannot play, keeping the moves before it. Leaves the
// board position at the start of the game for the current flip state.
std::optional<ReadStop> read_pgn_record(std::string_view bytes, GameRecord& game, MoveList& list);

}  // namespace kelvara
