#include "cli/loaded_record.h"

#include <iostream>

#include "platform/encoding.h"

namespace kelvara::cli {

std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state,
                                       std::ostream& errors) {
    game.flip_state = flip_state;
    OpenOutcome outcome = open_record(path, game, list);
    if (!outcome.opened) {
        errors << "kelvara-cli: " << path << ": cannot read the record file\n";
        return std::nullopt;
    }
    if (!outcome.read) {
        errors << "kelvara-cli: " << path << ": not a record (.che or .pgn)\n";
        return std::nullopt;
    }
    if (outcome.stop)
        errors << "kelvara-cli: " << path << ": warning: " << gbk_to_utf8(describe(*outcome.stop))
                  << "; the moves before it are loaded\n";
    return outcome;
}

}  // namespace kelvara::cli
