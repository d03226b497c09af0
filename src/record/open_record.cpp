#include "record/open_record.h"

#include "platform/atomic_file.h"
#include "platform/encoding.h"
#include "platform/text.h"
#include "record/pgn_reader.h"
#include "record/qq_reader.h"

namespace kelvara {

namespace {

std::string extension_of(std::string_view name) {
    const int dot = gbk::find_last(name, ".");
    return gbk::to_lower_ascii(dot == -1 ? name : name.substr(static_cast<std::size_t>(dot - 1)));
}

}  // namespace

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

OpenOutcome open_record_bytes(std::string_view bytes, std::string_view file_name, GameRecord& game, MoveList& list) {
    OpenOutcome outcome;
    outcome.opened = true;
    game.reset_for_load();
    list.clear();
    const std::string extension = extension_of(file_name);
    if (extension == ".che") {
        outcome.stop = read_qq_record(bytes, game, list);
        outcome.read = true;
    } else if (extension == ".pgn") {
        outcome.stop = read_pgn_record(bytes, game, list);
        outcome.read = true;
    }
    game.file_name = std::string(file_name);
    if (game.title.empty()) {
        const int dot = gbk::find_last(file_name, ".");
        game.title = dot == -1 ? std::string() : std::string(file_name.substr(0, static_cast<std::size_t>(dot - 1)));
    }
    cut_title(game.title);
    outcome.caption = caption_text(file_name);
    return outcome;
}

OpenOutcome open_record(const std::filesystem::path& path, GameRecord& game, MoveList& list) {
    if (path.empty()) return {};
    const auto bytes = read_file(path, kRecordSizeLimit);
    if (!bytes) return {};
    return open_record_bytes(*bytes, gbk_file_name(path), game, list);
}

}  // namespace kelvara
