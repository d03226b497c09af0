#include "palette/palette_asset.h"

#include <stdexcept>

#include "asset_folder.h"
#include "board/board_geometry.h"
#include "platform/gif_codec.h"
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
    kelvara::Palette table;
    for (int i = 0; i < kPaletteSize; ++i)
        table[i] = {static_cast<std::uint8_t>(red_of(palette[i])), static_cast<std::uint8_t>(green_of(palette[i])),
                    static_cast<std::uint8_t>(blue_of(palette[i]))};
    GifWriter gif;
    const bool written = gif.open(folder.path() / "palette.gif", start.width, start.height, table, 0) &&
                         gif.add_picture(map_to_palette(start, palette), {0, 0, start.width, start.height},
                                         kFrameDelay, -1) &&
                         gif.finish();
    if (!written) throw std::runtime_error("cannot write palette.gif");
}

}  // namespace kelvara::generator
