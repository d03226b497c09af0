#include "board/board_picture.h"

#include <algorithm>
#include <array>

#include "board/board_geometry.h"
#include "raster/blend.h"
#include "raster/shapes.h"
#include "raster/surface.h"

namespace kelvara::generator {

namespace {

// Bevel rows from the outermost inwards: light where the light falls (top, left),
// dark on the far sides.
constexpr std::array<Argb, 3> kBevelLight = {argb(226, 236, 229), argb(210, 222, 214), argb(195, 209, 199)};
constexpr std::array<Argb, 3> kBevelDark = {argb(118, 132, 122), argb(140, 155, 145), argb(160, 175, 164)};

void draw_bevel(Surface& surface) {
    const int w = surface.width();
    const int h = surface.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int to_light = std::min(x, y);           // distance to the top or left edge
            const int to_dark = std::min(w - 1 - x, h - 1 - y);  // to the bottom or right edge
            const int depth = std::min(to_light, to_dark);
            if (depth >= static_cast<int>(kBevelLight.size())) continue;
            // At the two mixed corners the diagonal decides, as on a raised tile.
            surface.set(x, y,
                        to_light < to_dark || (to_light == to_dark && x + y < (w + h) / 2) ? kBevelLight[to_light]
                                                                                            : kBevelDark[to_dark]);
        }
}

void draw_frame(Surface& surface) {
    const int t = kFrameThickness - 1;
    fill_rect(surface, kFrameLeft, kFrameTop, kFrameRight, kFrameTop + t, kLineColour);
    fill_rect(surface, kFrameLeft, kFrameBottom - t, kFrameRight, kFrameBottom, kLineColour);
    fill_rect(surface, kFrameLeft, kFrameTop, kFrameLeft + t, kFrameBottom, kLineColour);
    fill_rect(surface, kFrameRight - t, kFrameTop, kFrameRight, kFrameBottom, kLineColour);
}

void draw_grid(Surface& surface) {
    for (int r = 0; r < 10; ++r) fill_rect(surface, kGridLeft, rank_y(r), kGridRight, rank_y(r), kLineColour);
    for (int c = 0; c < 9; ++c) {
        const int x = file_x(c);
        if (c == 0 || c == 8) {
            fill_rect(surface, x, kGridTop, x, kGridBottom, kLineColour);
        } else {
            // The river between ranks 4 and 5 crosses the inner files.
            fill_rect(surface, x, kGridTop, x, rank_y(4), kLineColour);
            fill_rect(surface, x, rank_y(5), x, kGridBottom, kLineColour);
        }
    }
}

// A 45-degree line through the logical pixels (x + i·dir, y + i), i = 0 … length − 1,
// as wide as one logical pixel. At scale 1 that is one pixel per row, as crisp as the
// 1-pixel grid lines around it; at a larger scale the band steps by single pixels, not
// by blocks.
void draw_diagonal(Surface& surface, int x, int y, int dir, int length) {
    const int s = surface.scale;
    // Image pixels whose centre lies within half a logical pixel of the line's centre.
    const int first = -(s / 2);
    for (int row = y * s; row < (y + length) * s; ++row) {
        const int along = row - y * s;
        const int centre = dir > 0 ? x * s + along : x * s + (s - 1) - along;
        for (int k = first; k < first + s; ++k) paint(surface.image, centre + (dir > 0 ? k : -k), row, kLineColour);
    }
}

void draw_palace(Surface& surface, int top_row) {
    const int span = 2 * kCell;
    draw_diagonal(surface, file_x(3), rank_y(top_row), 1, span + 1);
    draw_diagonal(surface, file_x(5), rank_y(top_row), -1, span + 1);
}

// The L-shaped ticks around a cannon or soldier point: a gap from the crossing, then
// an arm along each line. `left_side` and `right_side` pick the quadrants drawn.
constexpr int kMarkGap = 3;
constexpr int kMarkArm = 5;

void draw_point_mark(Surface& surface, int row, int column, bool left_side, bool right_side) {
    const int cx = file_x(column);
    const int cy = rank_y(row);
    for (int sx : {-1, 1}) {
        if ((sx < 0 && !left_side) || (sx > 0 && !right_side)) continue;
        for (int sy : {-1, 1}) {
            const int x = cx + sx * kMarkGap;
            const int y = cy + sy * kMarkGap;
            const int x_end = x + sx * (kMarkArm - 1);
            const int y_end = y + sy * (kMarkArm - 1);
            fill_rect(surface, std::min(x, x_end), y, std::max(x, x_end), y, kLineColour);
            fill_rect(surface, x, std::min(y, y_end), x, std::max(y, y_end), kLineColour);
        }
    }
}

void draw_point_marks(Surface& surface) {
    for (int row : {2, 7})
        for (int column : {1, 7}) draw_point_mark(surface, row, column, true, true);
    for (int row : {3, 6})
        for (int column = 0; column <= 8; column += 2) draw_point_mark(surface, row, column, column > 0, column < 8);
}

}  // namespace

Image draw_board_picture(int scale) {
    Surface surface(kCanvasWidth, kCanvasHeight, scale, kFieldColour);
    draw_bevel(surface);
    draw_frame(surface);
    draw_grid(surface);
    draw_palace(surface, 0);
    draw_palace(surface, 7);
    draw_point_marks(surface);
    return std::move(surface.image);
}

}  // namespace kelvara::generator
