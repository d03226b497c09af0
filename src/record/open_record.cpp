#include "record/open_record.h"

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/encoding.h"
#include "platform/text.h"

namespace kelvara {

void cut_title(std::string& title) { title = std::string(gbk::cut_whole_chars(title, kTitleBytes)); }

std::string caption_text(std::string_view file_name) {
    if (file_name.size() <= kCaptionBytes) return std::string(file_name);
    return std::string(gbk::cut_whole_chars(file_name, kCaptionBytes - 3)) + "...";
}

std::string gbk_file_name(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    bool ascii = true;
    for (char c : name) ascii &= static_cast<unsigned char>(c) < 0x80;
    return ascii || !looks_like_utf8(name) ? name : utf8_to_gbk(name);
}

OpenOutcome open_record_bytes(std::string_view bytes, std::string_view file_name, GameRecord& game, MoveList& list,
                              int game_index, std::optional<int> game_count) {
    OpenOutcome outcome;
    // Read aside, so that a file that is no record leaves the game on screen alone.
    GameRecord read;
    read.flip_state = game.flip_state;
    read.making = game.making;
    MoveList rows;
    const RecordFormat* format = find_record_format(file_name, bytes);
    if (format) outcome.stop = format->read_game(bytes, game_index, read, rows);
    if (!format || (read.moves.empty() && read.fen_start.empty())) {
        outcome.refusal = OpenOutcome::Refusal::NotARecord;
        return outcome;
    }

    outcome.game_index = game_index;
    // Listing reads every game of the file: not again when the caller has done it.
    outcome.game_count = game_count ? *game_count : static_cast<int>(format->list_games(bytes).size());
    read.loaded = true;
    read.current_move = -1;
    read.file_name = std::string(file_name);
    if (read.title.empty()) {
        const int dot = gbk::find_last(file_name, ".");
        read.title = dot == -1 ? std::string() : std::string(file_name.substr(0, static_cast<std::size_t>(dot - 1)));
    }
    cut_title(read.title);
    game = std::move(read);
    list.clear();
    for (const MoveRow& row : rows.rows()) list.append(row.text, row.colour, row.has_alternatives);
    outcome.opened = true;
    outcome.caption = caption_text(file_name);
    return outcome;
}

OpenOutcome open_record(const std::filesystem::path& path, GameRecord& game, MoveList& list, int game_index,
                        std::optional<int> game_count) {
    OpenOutcome outcome;
    outcome.refusal = OpenOutcome::Refusal::Unreadable;
    if (path.empty()) {
        outcome.error = FileError::system(ENOENT);
        return outcome;
    }
    const auto bytes = read_file(path, kRecordSizeLimit, &outcome.error);
    if (!bytes) return outcome;
    return open_record_bytes(*bytes, gbk_file_name(path), game, list, game_index, game_count);
}

std::string game_name_suffix(const OpenOutcome& outcome) {
    return outcome.game_count > 1 ? "-" + std::to_string(outcome.game_index + 1) : std::string();
}

std::vector<GameSummary> list_record_games(std::string_view bytes, std::string_view file_name) {
    const RecordFormat* format = find_record_format(file_name, bytes);
    return format ? format->list_games(bytes) : std::vector<GameSummary>{};
}

std::vector<GameSummary> list_record_file_games(const std::filesystem::path& path) {
    if (path.empty()) return {};
    const auto bytes = read_file(path, kRecordSizeLimit);
    if (!bytes) return {};
    return list_record_games(*bytes, gbk_file_name(path));
}

}  // namespace kelvara
