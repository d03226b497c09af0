#pragma once
// The PGN record (.pgn), and text laid out like one: a WXF file, a bare list of moves, a
// FEN line alone. Any number of games; each gives its facts from the tags (Event is the
// title), its start from the FEN tag (or a FEN line), and its moves in Chinese (simplified
// or traditional), WXF, ICCS or coordinate, or WinBoard/pychess algebraic notation: the
// [Format] tag says which, else the moves' own form. Comments and variations are kept
// with the moves they follow. The text is UTF-8, GBK or BIG5 (text_encoding.h).

#include <optional>
#include <string_view>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

// The bytes hold a tag, a FEN line, or a word shaped like a move in some notation.
bool recognises_pgn(std::string_view bytes);

// Every game of the text, numbered from 1.
std::vector<GameSummary> list_pgn_games(std::string_view bytes);

// Reads game `game_index` (from 0; nothing when the text holds no such game) into game
// and list. Rows read "N.红：move" for red and "黑：move" for black: a Chinese move as the file
// wrote it, a move in another notation as the notation writer writes it. Black opens when
// the FEN says so, or when the side is not given (no FEN, "-b") and only black can make the
// first move. Stops at the first main-line move that cannot be played or could be either
// of two moves, keeping the moves before it; an alternative line is cut at its first such
// move. Leaves the board position at the start of the game for the current flip state.
std::optional<ReadStop> read_pgn_record(std::string_view bytes, GameRecord& game, MoveList& list, int game_index = 0);

}  // namespace kelvara
