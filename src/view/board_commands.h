#pragma once
// The two commands on the board as a whole: turning it by 180 degrees, and its picture
// as a BMP file.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/image.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "view/board_view.h"

namespace kelvara {

// Turns the board, its pieces, file labels and markers; the counter still names the move
// shown. Refuses (returns false) when no record is loaded; a record of a start position
// without moves turns.
bool turn_board(GameRecord& game, const MoveList& list, BoardView& view);

// The top 260×320 pixels of the board (times the view's scale), without the move counter
// and the author line: the picture the snapshot saves, the clipboard takes and
// kelvara-cli writes. The display is not refreshed: it never shows them hidden.
Image take_board_image(BoardView& view);
// The same picture of a game drawn afresh at another scale: its position, the markers of
// the selected move (-1: none), its title and file labels, as a view would show them.
Image take_board_image(const GameRecord& game, int selected_move, int scale);
// Those pictures as BMP files (332,854 bytes at scale 1).
std::vector<std::uint8_t> take_board_picture(BoardView& view);
std::vector<std::uint8_t> take_board_picture(const GameRecord& game, int selected_move, int scale);

// A board picture as a BMP file, or as a PNG file without alpha (the board is opaque).
std::vector<std::uint8_t> board_bmp(const Image& picture);
std::vector<std::uint8_t> board_png(const Image& picture);

}  // namespace kelvara
