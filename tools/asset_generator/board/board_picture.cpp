#include "board/board_picture.h"

#include <algorithm>
#include <array>

#include "board/board_geometry.h"
#include "raster/blend.h"
#include "raster/shapes.h"

namespace kelvara::generator {

namespace {

// Bevel rows from the outermost inwards: light where the light falls (top, left),
// dark on the far sides.
constexpr std::array<Argb, 3> kBevelLight = {argb(226, 236, 229), argb(210, 222, 214), argb(195, 209, 199)};
constexpr std::array<Argb, 3> kBevelDark = {argb(118, 132, 122), argb(140, 155, 145), argb(160, 175, 164)};

void draw_bevel(Image& image) {
    const int w = image.width;
    const int h = image.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int to_light = std::min(x, y);           // distance to the top or left edge
            const int to_dark = std::min(w - 1 - x, h - 1 - y);  // to the bottom or right edge
            const int depth = std::min(to_light, to_dark);
            if (depth >= static_cast<int>(kBevelLight.size())) continue;
            // At the two mixed corners the diagonal decides, as on a raised tile.
            image.at(x, y) = to_light < to_dark || (to_light == to_dark && x + y < (w + h) / 2)
                                 ? kBevelLight[to_light]
                                 : kBevelDark[to_dark];
        }
}

void draw_frame(Image& image) {
    const int t = kFrameThickness - 1;
    fill_rect(image, kFrameLeft, kFrameTop, kFrameRight, kFrameTop + t, kLineColour);
    fill_rect(image, kFrameLeft, kFrameBottom - t, kFrameRight, kFrameBottom, kLineColour);
    fill_rect(image, kFrameLeft, kFrameTop, kFrameLeft + t, kFrameBottom, kLineColour);
    fill_rect(image, kFrameRight - t, kFrameTop, kFrameRight, kFrameBottom, kLineColour);
}

void draw_grid(Image& image) {
    for (int r = 0; r < 10; ++r) fill_rect(image, kGridLeft, rank_y(r), kGridRight, rank_y(r), kLineColour);
    for (int c = 0; c < 9; ++c) {
        const int x = file_x(c);
        if (c == 0 || c == 8) {
            fill_rect(image, x, kGridTop, x, kGridBottom, kLineColour);
        } else {
            // The river between ranks 4 and 5 crosses the inner files.
            fill_rect(image, x, kGridTop, x, rank_y(4), kLineColour);
            fill_rect(image, x, rank_y(5), x, kGridBottom, kLineColour);
        }
    }
}

// The palace diagonals run at exactly 45 degrees, so one pixel per row draws them as
// crisply as the 1-pixel grid lines around them.
void draw_palace(Image& image, int top_row) {
    const int span = 2 * kCell;
    for (int i = 0; i <= span; ++i) {
        paint(image, file_x(3) + i, rank_y(top_row) + i, kLineColour);
        paint(image, file_x(5) - i, rank_y(top_row) + i, kLineColour);
    }
}

// The L-shaped ticks around a cannon or soldier point: a gap from the crossing, then
// an arm along each line. `left_side` and `right_side` pick the quadrants drawn.
constexpr int kMarkGap = 3;
constexpr int kMarkArm = 5;

void draw_point_mark(Image& image, int row, int column, bool left_side, bool right_side) {
    const int cx = file_x(column);
    const int cy = rank_y(row);
    for (int sx : {-1, 1}) {
        if ((sx < 0 && !left_side) || (sx > 0 && !right_side)) continue;
        for (int sy : {-1, 1}) {
            const int x = cx + sx * kMarkGap;
            const int y = cy + sy * kMarkGap;
            const int x_end = x + sx * (kMarkArm - 1);
            const int y_end = y + sy * (kMarkArm - 1);
            fill_rect(image, std::min(x, x_end), y, std::max(x, x_end), y, kLineColour);
            fill_rect(image, x, std::min(y, y_end), x, std::max(y, y_end), kLineColour);
        }
    }
}

void draw_point_marks(Image& image) {
    for (int row : {2, 7})
        for (int column : {1, 7}) draw_point_mark(image, row, column, true, true);
    for (int row : {3, 6})
        for (int column = 0; column <= 8; column += 2) draw_point_mark(image, row, column, column > 0, column < 8);
}

}  // namespace

Image draw_board_picture() {
    Image image(kCanvasWidth, kCanvasHeight, kFieldColour);
    draw_bevel(image);
    draw_frame(image);
    draw_grid(image);
    draw_palace(image, 0);
    draw_palace(image, 7);
    draw_point_marks(image);
    return image;
}

}  // namespace kelvara::generator
