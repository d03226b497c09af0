#pragma once
// Files that hold several records (a library, a page with several games): the game
// chooser's list of them, and reading the one the user chose.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

using RecordReader = std::optional<ReadStop> (*)(std::string_view record, GameRecord& game, MoveList& list);

// One summary per record, numbered from 1, each record read whole to count its plies.
std::vector<GameSummary> summarise_records(std::span<const std::string_view> records, RecordReader read);

// Reads record `index` (from 0); an index past the records reads no game and stops at
// move 1.
std::optional<ReadStop> read_listed_record(std::span<const std::string_view> records, int index, GameRecord& game,
                                           MoveList& list, RecordReader read);

}  // namespace kelvara
