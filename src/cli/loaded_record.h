#pragma once
// A record opened for a command, with the messages every command gives about it.

#include <iostream>
#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "record/open_record.h"

namespace kelvara::cli {

// A record's bytes as a command reads them, and the name (GBK) that tells its format.
struct RecordInput {
    std::string bytes;
    std::string name;  // "" for standard input
};

// Reads path ("-": standard input) whole. Returns nullopt, after a message on errors that
// says why, when it cannot be read or is larger than a record may be.
std::optional<RecordInput> read_record_input(const std::string& path, std::ostream& errors = std::cerr);

// The message for bytes that are no record, with the reader's stop when there is one.
void report_not_a_record(const std::string& path, const std::optional<ReadStop>& stop,
                         std::ostream& errors = std::cerr);

// Opens game `game_index` (from 0) of path ("-": standard input) into game and list.
// Returns nullopt, after a message on errors that says why, when the file cannot be read,
// is no record, or holds no such game; a reader's stop is reported as a warning and the
// record is used as far as it was read.
std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state = 0,
                                       std::ostream& errors = std::cerr, int game_index = 0);

// The game index (from 0) that --game N (from 1) picks, the first without it; nullopt
// after setting a usage error in args.
std::optional<int> game_index_option(Args& args);

}  // namespace kelvara::cli
