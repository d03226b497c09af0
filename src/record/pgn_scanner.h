#pragma once
// Reads the first game of a PGN text (GBK) for what it means: the Event and FEN tags and
// the main-line moves in Chinese notation. Comments {…} and variations (…), nested and
// over several lines, are skipped by their brackets wherever they stand. A move is four
// characters wherever it stands: alone, glued to its move number or to the next move, with
// black's digits in full width or in ASCII. A result token, or a tag line after moves, ends
// the game.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

struct ScannedMove {
    std::string written;  // as the file wrote it, e.g. 马8进7
    std::string token;    // the 8-byte form the notation reader takes, e.g. 马８进７
};

struct PgnGame {
    std::optional<std::string> event;  // the Event tag's value
    std::optional<std::string> fen;    // the FEN tag's whole value
    std::vector<ScannedMove> moves;
};

// text must be GBK; reading stops at a byte 0x00 or 0x1A.
PgnGame scan_pgn(std::string_view text);

// The value of a tag line for the tag name (upper case, e.g. "FEN"), matched as
// `[NAME "` in any letter case; nullopt when the line is not that tag.
std::optional<std::string_view> tag_value(std::string_view line, std::string_view upper_name);

}  // namespace kelvara
