#include "scene/board_scene.h"

#include "board/board_geometry.h"
#include "raster/blend.h"
#include "raster/text_paint.h"

namespace kelvara::generator {

namespace {

// The board view's three text lines: title 14 px centred, counter 12 px bold with its
// right edge fixed, author 12 px from the left.
constexpr int kTitleSize = 14;
constexpr int kFooterSize = 12;

void draw_texts(Image& image, const BoardScene& scene, const Font& font) {
    if (!scene.title.empty()) {
        const TextMask mask = font.render(scene.title, kTitleSize, Weight::Normal);
        paint_mask(image, mask, kCanvasWidth / 2 - mask.width / 2, kTitleTop, kTextColour);
    }
    if (!scene.counter.empty()) {
        const TextMask mask = font.render(scene.counter, kFooterSize, Weight::Bold);
        paint_mask(image, mask, kCounterRight - mask.width, kFooterTop, kTextColour);
    }
    if (!scene.author.empty()) {
        const TextMask mask = font.render(scene.author, kFooterSize, Weight::Normal);
        paint_mask(image, mask, kAuthorLeft, kFooterTop, kTextColour);
    }
}

void place_marker(Image& image, const Image& marker, const std::optional<Square>& square) {
    if (square) composite(image, marker, square_left(square->column), square_top(square->row));
}

}  // namespace

Position empty_position() {
    Position p{};
    for (auto& row : p) row.fill(kEmpty);
    return p;
}

Image compose_scene(const BoardScene& scene, const BoardPictures& board, const PiecePictures& pieces,
                    const Font& font) {
    Image image = board.board;
    composite(image, board.file_labels[scene.flip], 0, 0);
    place_marker(image, board.from_marker, scene.from_square);
    place_marker(image, board.to_marker, scene.to_square);
    draw_texts(image, scene, font);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (const Image* piece = pieces.for_code(scene.position[r][c]))
                composite(image, *piece, square_left(c), square_top(r));
    return image;
}

}  // namespace kelvara::generator
