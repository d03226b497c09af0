#pragma once
// DhtmlXQ (UBB) records, as web pages and forums carry games: tag pairs
// [DhtmlXQ_name]value[/DhtmlXQ_name], usually inside an outer [DhtmlXQ]…[/DhtmlXQ] pair
// and often inside an HTML page. Squares are two digits, the file from red's left and the
// row from the top; the main line is four digits a move; branches [DhtmlXQ_move_P_N_B]
// give alternative lines and [DhtmlXQ_commentN] the comments ("||" breaks a line).

#include <optional>
#include <string_view>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

bool looks_like_dhtmlxq(std::string_view bytes);

// The records of a page or text (GBK, or UTF-8 which is converted first): one per outer
// tag pair, or one for tags without an outer pair.
std::vector<GameSummary> list_dhtmlxq_games(std::string_view bytes);

// Reads record `index` (from 0) into a game and list the caller has reset. Stops at the
// first main-line move that cannot be played, keeping the moves before it; a branch ends
// before such a move, and a branch whose line cannot be found is left out.
std::optional<ReadStop> read_dhtmlxq_game(std::string_view bytes, int index, GameRecord& game, MoveList& list);

}  // namespace kelvara
