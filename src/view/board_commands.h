#pragma once
// The two commands on the board as a whole: turning it by 180 degrees, and its picture
// as a BMP file.

#include <cstdint>
#include <optional>
#include <vector>

#include "record/game_record.h"
#include "record/move_list.h"
#include "view/board_view.h"

namespace kelvara {

// Turns the board, its pieces, file labels and markers; the counter still names the move
// shown. Refuses (returns false) when no record is loaded; a record of a start position
// without moves turns.
bool turn_board(GameRecord& game, const MoveList& list, BoardView& view);

// The top 260×320 pixels of the board (times the view's scale) as a BMP file (332,854
// bytes at scale 1), without the move counter and the author line. The display is not
// refreshed: it never shows them hidden.
std::vector<std::uint8_t> take_board_picture(BoardView& view);
// The same picture of a game drawn afresh at another scale: its position, the markers of
// the selected move (-1: none), its title and file labels, as a view would show them.
std::vector<std::uint8_t> take_board_picture(const GameRecord& game, int selected_move, int scale);

}  // namespace kelvara
