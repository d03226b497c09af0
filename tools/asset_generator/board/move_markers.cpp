#include "board/move_markers.h"

#include <algorithm>

#include "board/board_geometry.h"
#include "raster/shapes.h"

namespace kelvara::generator {

namespace {

constexpr int kStroke = 2;

// Four L-shaped brackets whose outer corners lie `inset` pixels inside the cell, each
// arm `arm` pixels long.
Image draw_brackets(int inset, int arm, int scale) {
    Surface image(kCell, kCell, scale, 0);
    const int near = inset;
    const int far = kCell - 1 - inset;
    for (int x : {near, far})
        for (int y : {near, far}) {
            const int dx = x == near ? 1 : -1;
            const int dy = y == near ? 1 : -1;
            const int x_end = x + dx * (arm - 1);
            const int y_end = y + dy * (arm - 1);
            const int x_stroke = x + dx * (kStroke - 1);
            const int y_stroke = y + dy * (kStroke - 1);
            fill_rect(image, std::min(x, x_end), std::min(y, y_stroke), std::max(x, x_end), std::max(y, y_stroke),
                      kMarkerColour);
            fill_rect(image, std::min(x, x_stroke), std::min(y, y_end), std::max(x, x_stroke), std::max(y, y_end),
                      kMarkerColour);
        }
    return std::move(image.image);
}

}  // namespace

Image draw_from_marker(int scale) { return draw_brackets(4, 5, scale); }
Image draw_to_marker(int scale) { return draw_brackets(0, 6, scale); }

}  // namespace kelvara::generator
