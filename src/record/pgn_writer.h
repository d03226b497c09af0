#pragma once
// Writes a game as PGN, the way Chinese PGN records are written: the game's facts as
// tags, a FEN tag when the game does not start from the standard arrangement with red to
// move, every move in the chosen notation, every comment in braces and the alternative
// lines in parentheses after the move they replace, nested as the game has them.
//
// Callers that add to the game (an engine's evaluations, say) give the writer a copy with
// their comments in its notes, and their own tags in the options.

#include <string>
#include <utility>
#include <vector>

#include "notation/notation.h"
#include "record/game_record.h"

namespace kelvara {

enum class PgnEncoding { Gbk, Utf8 };

struct PgnOptions {
    // How the moves are written; WXF and ICCS say so in a Format tag.
    notation::MoveWriting notation = notation::MoveWriting::Chinese;
    PgnEncoding encoding = PgnEncoding::Gbk;
    bool crlf = true;
    // Tags written after the game's own, in this order (GBK names and values).
    std::vector<std::pair<std::string, std::string>> extra_tags;
};

// The whole file, in the encoding the options ask for.
std::string write_pgn(const GameRecord& game, const PgnOptions& options = {});

}  // namespace kelvara
