#pragma once
// Splits a PGN text (GBK) into its games and each game into tags and the items of its
// move text, for what they mean rather than by byte counts:
// - a line that starts with "[" outside a comment is a tag line; a tag line after move
//   text starts the next game;
// - comments {…} (over several lines) and ; … (to the end of the line), variations (…)
//   nested to any depth, found GBK-aware so that a trail byte is never taken for a bracket;
// - words between blanks (a full-width space is one too), each possibly holding move
//   numbers and moves; a result token (1-0, 0-1, 1/2-1/2, *) ends the move text, and what
//   follows it up to the next tag line (a site's advertisement) is no part of the game.
// A line that holds a FEN board alone gives the game its start, as a FEN tag does. A WXF
// file (tab-separated header lines, moves between START{ and }END) is read the same way.
// A byte 0x00 or 0x1A ends the text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

struct PgnTag {
    std::string name;
    std::string value;
};

struct PgnItem {
    enum class Kind { Word, Comment, VariationStart, VariationEnd };
    Kind kind = Kind::Word;
    std::string text;  // a word, or a comment's text as written
};

struct PgnGame {
    std::vector<PgnTag> tags;
    std::vector<PgnItem> items;  // the move text up to the result token
    std::string result;          // the result token that ended the move text; "" when none did

    // The value of the first tag of that name, in any letter case.
    std::optional<std::string> tag(std::string_view name) const;
    // The words of the main line (outside variations).
    std::vector<std::string> main_line_words() const;
};

std::vector<PgnGame> scan_pgn_games(std::string_view text);

// The value of a tag line for the tag name (upper case, e.g. "FEN"), matched as
// `[NAME "` in any letter case; nullopt when the line is not that tag.
std::optional<std::string_view> tag_value(std::string_view line, std::string_view upper_name);

}  // namespace kelvara
