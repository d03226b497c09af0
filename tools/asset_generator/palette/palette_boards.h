#pragma once
// The boards from which the animation palette is derived: between them they show every
// colour, and every anti-aliased blend, that a frame of an animation can hold.

#include <vector>

#include "board/board_pictures.h"
#include "pieces/piece_pictures.h"
#include "platform/font.h"

namespace kelvara::generator {

std::vector<Image> palette_boards(const BoardPictures& board, const PiecePictures& pieces, const Font& font);

// The starting board the palette picture shows.
Image starting_board(const BoardPictures& board, const PiecePictures& pieces, const Font& font);

}  // namespace kelvara::generator
