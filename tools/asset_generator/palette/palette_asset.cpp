#include "palette/palette_asset.h"

#include "asset_folder.h"
#include "board/board_geometry.h"
#include "palette/gif_file.h"
#include "palette/palette_boards.h"

namespace kelvara::generator {

namespace {

// Large areas and hard edges: any shift of these would show on every frame.
constexpr Argb kWhite = argb(255, 255, 255);
constexpr int kFrameDelay = 100;

}  // namespace

Palette derive_animation_palette(const BoardPictures& board, const PiecePictures& pieces, const Font& font) {
    const std::vector<Argb> exact = {kFieldColour, kLineColour, kTextColour, kMarkerColour, kWhite,
                                     kBlackDisc,   kRedDisc,    kGoldRim,    kPieceCharacter};
    return build_animation_palette(palette_boards(board, pieces, font), exact);
}

void write_palette_asset(const Palette& palette, const BoardPictures& board, const PiecePictures& pieces,
                         const Font& font, const AssetFolder& folder) {
    const Image start = starting_board(board, pieces, font);
    folder.write("palette.gif",
                 encode_single_frame_gif(start.width, start.height, map_to_palette(start, palette), palette, kFrameDelay));
}

}  // namespace kelvara::generator
