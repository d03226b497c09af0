#include "cli/loaded_record.h"

#include <iostream>

#include "platform/encoding.h"

namespace kelvara::cli {

std::optional<int> game_index_option(Args& args) {
    const auto n = args.integer("--game", 1, 1 << 30);
    if (!args.error.empty()) return std::nullopt;
    return n.value_or(1) - 1;
}

std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state,
                                       std::ostream& errors, int game_index) {
    game.flip_state = flip_state;
    if (game_index > 0) {
        const std::size_t games = list_record_file_games(path).size();
        if (games > 0 && static_cast<std::size_t>(game_index) >= games) {
            errors << "kelvara-cli: " << path << " has " << games << (games == 1 ? " game" : " games") << ", not "
                   << game_index + 1 << "\n";
            return std::nullopt;
        }
    }
    OpenOutcome outcome = open_record(path, game, list, game_index);
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
