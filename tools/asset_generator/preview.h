#pragma once
// A look at the assets together: a board in the middle of a game as the program shows
// it, once in full colour and once mapped to the animation palette as a frame would be;
// and the start position on the turned board.

#include "board/board_pictures.h"
#include "palette/animation_palette.h"
#include "pieces/piece_pictures.h"
#include "platform/font.h"
#include "skin/skin_picture.h"

namespace kelvara::generator {

class AssetFolder;

// preview.png, preview_palette.png and preview_turned.png (the board seen from black's side),
// and the mock-ups of the skinned windows with that game on the board.
void write_preview(const BoardPictures& board, const PiecePictures& pieces, const Palette& palette,
                   const skin::SkinPictures& skin, const Font& font, const AssetFolder& folder);

}  // namespace kelvara::generator
