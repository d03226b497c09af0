#include "preview.h"

#include "asset_folder.h"
#include "board/layouts.h"
#include "scene/board_scene.h"
#include "skin/window_mockups.h"

namespace kelvara::generator {

void write_preview(const BoardPictures& board, const PiecePictures& pieces, const Palette& palette,
                   const skin::SkinPictures& skin, const Font& font, const AssetFolder& folder) {
    BoardScene scene;
    scene.position = kStandardLayout;
    // Red's cannon from the right-hand cannon point to the centre file, a common opening.
    scene.position[2][4] = scene.position[2][1];
    scene.position[2][1] = kEmpty;
    scene.from_square = Square{2, 1};
    scene.to_square = Square{2, 4};
    scene.title = U"全国象棋个人赛 第五轮";
    scene.author = U"动画制作：Kelvara";
    scene.counter = U"45-1";
    const Image full = compose_scene(scene, board, pieces, font);
    folder.write_png("preview.png", full);

    Image mapped = full;
    const std::vector<std::uint8_t> indices = map_to_palette(full, palette);
    for (std::size_t i = 0; i < indices.size(); ++i) mapped.pixels[i] = palette[indices[i]];
    folder.write_png("preview_palette.png", mapped);

    BoardScene turned;
    turned.position = kFlippedLayout;
    turned.flip = 1;
    turned.title = scene.title;
    turned.author = scene.author;
    turned.counter = U"45-0";
    folder.write_png("preview_turned.png", compose_scene(turned, board, pieces, font));

    skin::write_window_mockups(skin, full, font, folder);
}

}  // namespace kelvara::generator
