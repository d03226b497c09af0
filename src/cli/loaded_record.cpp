#include "cli/loaded_record.h"

#include <iostream>

#include "platform/encoding.h"

namespace kelvara::cli {

std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state,
                                       std::ostream& errors) {
    game.flip_state = flip_state;
    OpenOutcome outcome = open_record(path, game, list);
    switch (outcome.refusal) {
        case OpenOutcome::Refusal::None: break;
        case OpenOutcome::Refusal::Unreadable:
            errors << "kelvara-cli: " << path << ": cannot read the record file: " << english_reason(outcome.error)
                   << "\n";
            return std::nullopt;
        case OpenOutcome::Refusal::NotARecord:
            errors << "kelvara-cli: " << path
                   << ": not a record file that can be opened: no move and no start position could be read";
            if (outcome.stop) errors << " (" << gbk_to_utf8(describe(*outcome.stop)) << ")";
            errors << "\n";
            return std::nullopt;
    }
    if (outcome.stop)
        errors << "kelvara-cli: " << path << ": warning: " << gbk_to_utf8(describe(*outcome.stop))
               << "; the moves before it are loaded\n";
    return outcome;
}

}  // namespace kelvara::cli
