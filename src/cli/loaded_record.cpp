#include "cli/loaded_record.h"

#include <iostream>

#include "platform/atomic_file.h"
#include "platform/encoding.h"

namespace kelvara::cli {

namespace {

// Standard input whole, as a file would be read: nullopt when it holds more than a
// record may.
std::optional<std::string> read_standard_input() {
    std::string bytes;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (bytes.size() > kRecordSizeLimit) return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<int> game_index_option(Args& args) {
    const auto n = args.integer("--game", 1, 1 << 30);
    if (!args.error.empty()) return std::nullopt;
    return n.value_or(1) - 1;
}

std::optional<RecordInput> read_record_input(const std::string& path, std::ostream& errors) {
    FileError error;
    std::optional<std::string> bytes;
    if (path == "-") {
        bytes = read_standard_input();
        if (!bytes) error = FileError::too_large(kRecordSizeLimit);
    } else {
        bytes = read_file(path, kRecordSizeLimit, &error);
    }
    if (!bytes) {
        errors << "kelvara-cli: " << path << ": cannot read the record file: " << english_reason(error) << "\n";
        return std::nullopt;
    }
    return RecordInput{std::move(*bytes), path == "-" ? std::string() : gbk_file_name(path)};
}

void report_not_a_record(const std::string& path, const std::optional<ReadStop>& stop, std::ostream& errors) {
    errors << "kelvara-cli: " << path
           << ": not a record file that can be opened: no move and no start position could be read";
    if (stop) errors << " (" << gbk_to_utf8(describe(*stop)) << ")";
    errors << "\n";
}

std::optional<OpenOutcome> load_record(const std::string& path, GameRecord& game, MoveList& list, int flip_state,
                                       std::ostream& errors, int game_index) {
    game.flip_state = flip_state;
    const std::optional<RecordInput> input = read_record_input(path, errors);
    if (!input) return std::nullopt;
    std::optional<int> game_count;  // counted as the record is read, unless --game needs it first
    if (game_index > 0) {
        const std::size_t games = list_record_games(input->bytes, input->name).size();
        if (games > 0 && static_cast<std::size_t>(game_index) >= games) {
            errors << "kelvara-cli: " << path << " has " << games << (games == 1 ? " game" : " games") << ", not "
                   << game_index + 1 << "\n";
            return std::nullopt;
        }
        if (games > 0) game_count = static_cast<int>(games);
    }
    OpenOutcome outcome = open_record_bytes(input->bytes, input->name, game, list, game_index, game_count);
    if (!outcome.opened) {
        report_not_a_record(path, outcome.stop, errors);
        return std::nullopt;
    }
    if (outcome.stop)
        errors << "kelvara-cli: " << path << ": warning: " << gbk_to_utf8(describe(*outcome.stop))
               << "; the moves before it are loaded\n";
    return outcome;
}

}  // namespace kelvara::cli
