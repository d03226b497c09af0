#include "palette/palette_boards.h"

#include "board/layouts.h"
#include "scene/board_scene.h"

namespace kelvara::generator {

namespace {

// Text of every kind the text lines carry: digits and dash of the counter, Chinese and
// Latin characters of titles and author names.
constexpr char32_t kSampleTitle[] = U"全国象棋个人赛第五轮红先胜黑 ABCxyz 2024";
constexpr char32_t kSampleAuthor[] = U"动画制作：象棋爱好者 Kelvara";
constexpr char32_t kSampleCounter[] = U"0123456789-";

}  // namespace

Image starting_board(const BoardPictures& board, const PiecePictures& pieces, const Font& font) {
    BoardScene scene;
    scene.position = kStandardLayout;
    scene.counter = U"0-0";
    return compose_scene(scene, board, pieces, font);
}

std::vector<Image> palette_boards(const BoardPictures& board, const PiecePictures& pieces, const Font& font) {
    std::vector<Image> boards;
    // The two start arrangements with markers and all three text lines.
    for (int flip = 0; flip < 2; ++flip) {
        BoardScene scene;
        scene.position = flip == 0 ? kStandardLayout : kFlippedLayout;
        scene.flip = flip;
        scene.from_square = Square{4, 1};
        scene.to_square = Square{5, 4};
        scene.title = kSampleTitle;
        scene.author = kSampleAuthor;
        scene.counter = kSampleCounter;
        boards.push_back(compose_scene(scene, board, pieces, font));
    }
    // Each piece on every square, so its edge meets the field, the grid lines, the river,
    // the palace diagonals, the point marks and the frame; and once over each marker.
    for (int side = 0; side < 2; ++side)
        for (int kind = 0; kind < kPieceKinds; ++kind) {
            const int code = side * 16 + (kind == 0 ? 0 : 2 * kind - 1);
            BoardScene scene;
            scene.flip = (kind + side) % 2;
            for (auto& row : scene.position) row.fill(static_cast<PieceCode>(code));
            scene.from_square = Square{kind, (kind + side) % 9};
            scene.to_square = Square{9 - kind, (8 - kind + side) % 9};
            boards.push_back(compose_scene(scene, board, pieces, font));
        }
    return boards;
}

}  // namespace kelvara::generator
