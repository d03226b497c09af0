#include "record/record_formats.h"

#include "platform/gbk_literal.h"
#include "platform/text.h"
#include "record/pgn_reader.h"
#include "record/qq_reader.h"

namespace kelvara {

namespace {

constexpr std::string_view kQqExtensions[] = {".che"};
constexpr std::string_view kPgnExtensions[] = {".pgn"};

// A QQ record is decimal numbers separated by spaces (and a final line feed).
bool looks_like_qq(std::string_view bytes) {
    bool digit = false;
    for (const char c : bytes) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != ' ' && c != '\r' && c != '\n' && c != '-')
            return false;
    }
    return digit;
}

// A PGN record starts its header with a tag line.
bool looks_like_pgn(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    for (const char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        return c == '[';
    }
    return false;
}

std::vector<GameSummary> one_game(std::string_view) { return {GameSummary{1, {}, {}, {}, {}, 0}}; }

std::optional<ReadStop> read_qq_game(std::string_view bytes, int, GameRecord& game, MoveList& list) {
    return read_qq_record(bytes, game, list);
}

std::optional<ReadStop> read_pgn_game(std::string_view bytes, int, GameRecord& game, MoveList& list) {
    return read_pgn_record(bytes, game, list);
}

constexpr RecordFormat kFormats[] = {
    {"QQ象棋棋谱"_gbk, kQqExtensions, looks_like_qq, one_game, read_qq_game},
    {"PGN棋谱"_gbk, kPgnExtensions, looks_like_pgn, one_game, read_pgn_game},
};

const RecordFormat* format_of_extension(std::string_view extension) {
    for (const RecordFormat& f : kFormats)
        for (const std::string_view e : f.extensions)
            if (e == extension) return &f;
    return nullptr;
}

}  // namespace

std::span<const RecordFormat> record_formats() { return kFormats; }

std::string record_extension(std::string_view file_name) {
    const int dot = gbk::find_last(file_name, ".");
    return dot == -1 ? std::string() : gbk::to_lower_ascii(file_name.substr(static_cast<std::size_t>(dot - 1)));
}

const RecordFormat* find_record_format(std::string_view file_name, std::string_view bytes) {
    const RecordFormat* named = format_of_extension(record_extension(file_name));
    if (named && named->recognises(bytes)) return named;
    for (const RecordFormat& f : kFormats)
        if (f.recognises(bytes)) return &f;
    return named;
}

}  // namespace kelvara
