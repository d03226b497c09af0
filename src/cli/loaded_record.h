#pragma once
// A record opened for a command, with the messages every command gives about it.

#include <iostream>
#include <optional>
#include <string>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/open_record.h"

namespace kelvara::cli {

// Opens path into game and list. Returns nullopt, after a message on errors that says
// why, when the file cannot be read or is no record; a reader's stop is reported as a
// warning and the record is used as far as it was read.
std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state = 0,
                                       std::ostream& errors = std::cerr);

}  // namespace kelvara::cli
