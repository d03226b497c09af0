#pragma once
// palette.gif: the starting board as an animation frame, whose global colour table is
// the palette every animation is mapped to.

#include "board/board_pictures.h"
#include "palette/animation_palette.h"
#include "pieces/piece_pictures.h"
#include "platform/font.h"

namespace kelvara::generator {

class AssetFolder;

Palette derive_animation_palette(const BoardPictures& board, const PiecePictures& pieces, const Font& font);

void write_palette_asset(const Palette& palette, const BoardPictures& board, const PiecePictures& pieces,
                         const Font& font, const AssetFolder& folder);

}  // namespace kelvara::generator
