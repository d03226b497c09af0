#pragma once
// A record opened for a command, with the messages every command gives about it.

#include <string>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/open_record.h"

namespace kelvara::cli {

struct LoadedRecord {
    GameRecord game;
    MoveList list;
    OpenOutcome outcome;
};

// Opens path. Returns false (after a message on standard error) when the file cannot be
// read or is not a .che or .pgn record; a reader's stop is reported as a warning.
bool load_record(const std::string& path, LoadedRecord& record, int flip_state = 0);

}  // namespace kelvara::cli
