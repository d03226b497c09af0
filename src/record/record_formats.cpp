#include "record/record_formats.h"

#include "platform/gbk_literal.h"
#include "platform/text.h"
#include "record/cbr_reader.h"
#include "record/dhtmlxq_reader.h"
#include "record/pgn_reader.h"
#include "record/qq_reader.h"
#include "record/xqf_reader.h"

namespace kelvara {

namespace {

constexpr std::string_view kQqExtensions[] = {".che"};
constexpr std::string_view kPgnExtensions[] = {".pgn"};
constexpr std::string_view kWxfExtensions[] = {".wxf"};
constexpr std::string_view kXqfExtensions[] = {".xqf"};
constexpr std::string_view kCbrExtensions[] = {".cbr"};
constexpr std::string_view kCblExtensions[] = {".cbl"};
constexpr std::string_view kDhtmlXqExtensions[] = {".txt", ".htm", ".html", ".ubb"};

bool is_qq_field(std::string_view field) {
    const std::string folded = gbk::fold_full_width(field);
    std::size_t i = folded.starts_with("-") ? 1 : 0;
    if (i == folded.size()) return false;
    for (; i < folded.size(); ++i)
        if (folded[i] < '0' || folded[i] > '9') return false;
    return true;
}

// A QQ record starts with two numbers, a header and the number of moves; what follows
// may hold any extra text.
bool looks_like_qq(std::string_view bytes) {
    const auto head = gbk::split(bytes, " ", 3);
    if (head.size() < 2 || !is_qq_field(head[0])) return false;
    std::string_view count = head[1];
    while (!count.empty() && (count.back() == '\n' || count.back() == '\r')) count.remove_suffix(1);
    return is_qq_field(count);
}

using SingleGameReader = std::optional<ReadStop> (*)(std::string_view, GameRecord&, MoveList&);

// The one game of a single-game format, read whole for its facts and plies.
template <SingleGameReader read>
std::vector<GameSummary> the_one_game(std::string_view bytes) {
    GameRecord game;
    MoveList list;
    read(bytes, game, list);
    return {GameSummary{1, game.info.event, game.info.red, game.info.black, game.info.result, list.row_count()}};
}

template <SingleGameReader read>
std::optional<ReadStop> read_the_one_game(std::string_view bytes, int, GameRecord& game, MoveList& list) {
    return read(bytes, game, list);
}

// A DhtmlXQ text is tags in brackets too, but not PGN's.
bool looks_like_pgn(std::string_view bytes) { return !looks_like_dhtmlxq(bytes) && recognises_pgn(bytes); }

std::optional<ReadStop> read_qq_game(std::string_view bytes, int, GameRecord& game, MoveList& list) {
    game.notation = "qq";
    return read_qq_record(bytes, game, list);
}

std::optional<ReadStop> read_pgn_game(std::string_view bytes, int index, GameRecord& game, MoveList& list) {
    return read_pgn_record(bytes, game, list, index);
}

// Content checks go in table order: the strict ones first, DhtmlXQ before PGN since a
// DhtmlXQ text may also start with "[", and PGN, which takes any text with a move in it, last.
constexpr RecordFormat kFormats[] = {
    {"QQ棋谱"_gbk, kQqExtensions, looks_like_qq, the_one_game<read_qq_record>, read_qq_game},
    {"XQF棋谱"_gbk, kXqfExtensions, looks_like_xqf, the_one_game<read_xqf_record>,
     read_the_one_game<read_xqf_record>},
    {"CBR棋谱"_gbk, kCbrExtensions, looks_like_cbr, the_one_game<read_cbr_record>,
     read_the_one_game<read_cbr_record>},
    {"CBL棋谱"_gbk, kCblExtensions, looks_like_cbl, list_cbl_games, read_cbl_game},
    {"DhtmlXQ棋谱"_gbk, kDhtmlXqExtensions, looks_like_dhtmlxq, list_dhtmlxq_games, read_dhtmlxq_game},
    {"PGN棋谱"_gbk, kPgnExtensions, looks_like_pgn, list_pgn_games, read_pgn_game},
    {"WXF棋谱"_gbk, kWxfExtensions, looks_like_pgn, list_pgn_games, read_pgn_game},
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
        if (&f != named && f.recognises(bytes)) return &f;
    return nullptr;
}

}  // namespace kelvara
