#include "cli/loaded_record.h"

#include <filesystem>
#include <iostream>

#include "platform/encoding.h"

namespace kelvara::cli {

std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state) {
    game.flip_state = flip_state;
    OpenOutcome outcome = open_record(path, game, list);
    if (!outcome.opened) {
        std::cerr << "kelvara-cli: " << path << ": cannot read the record file\n";
        return std::nullopt;
    }
    if (!outcome.read) {
        std::cerr << "kelvara-cli: " << path << ": not a record (.che or .pgn)\n";
        return std::nullopt;
    }
    if (outcome.stop)
        std::cerr << "kelvara-cli: " << path << ": warning: " << gbk_to_utf8(describe(*outcome.stop))
                  << "; the moves before it are loaded\n";
    return outcome;
}

std::string output_stem(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace kelvara::cli
