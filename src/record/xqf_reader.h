#pragma once
// The XQF record (.xqf): a 1024-byte header (texts, the result, the squares of the 32
// pieces) and the game's move tree in pre-order, with a comment on any move and on the
// start. Version 1.0 stores everything plainly; later versions offset the piece squares
// and the move data by keys the header holds.

#include <optional>
#include <string_view>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

bool looks_like_xqf(std::string_view bytes);

// Reads the game into a game and list the caller has reset: the header's facts, the
// start position, the main line as moves and rows, the other lines as alternatives and
// the comments as notes. Stops at the first main-line move that cannot be read or
// played, keeping the moves before it; an alternative line ends before such a move.
std::optional<ReadStop> read_xqf_record(std::string_view bytes, GameRecord& game, MoveList& list);

}  // namespace kelvara
