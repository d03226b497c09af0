#include "skin/record_icon.h"

#include <cmath>

#include "raster/blend.h"
#include "raster/shapes.h"
#include "skin/app_icon.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

// The design on a 64-pixel square; other sizes scale it.
constexpr double kLeft = 10.5, kRight = 53.5, kTop = 3.5, kBottom = 60.5, kFold = 13.0;
constexpr Argb kPaper = argb(250, 246, 234);
constexpr Argb kPaperShade = argb(226, 218, 196);
constexpr Argb kEdge = argb(120, 108, 84);
constexpr Argb kRule = argb(170, 160, 140);

void polygon(Surface& image, std::initializer_list<Point> corners, const Shade& shade) {
    fill_polygon(image, std::span<const Point>(corners.begin(), corners.size()), shade);
}

}  // namespace

Image draw_record_icon(const Font& font, int size) {
    const double k = size / 64.0;
    auto at = [k](double x, double y) { return Point{x * k, y * k}; };
    Surface image(size, size);
    // The sheet with its edge, the fold turned down at the top right.
    polygon(image, {at(kLeft - 1, kTop - 1), at(kRight - kFold + 0.5, kTop - 1), at(kRight + 1, kTop + kFold - 0.5),
                    at(kRight + 1, kBottom + 1), at(kLeft - 1, kBottom + 1)},
            [](Point) { return kEdge; });
    polygon(image, {at(kLeft, kTop), at(kRight - kFold, kTop), at(kRight, kTop + kFold), at(kRight, kBottom),
                    at(kLeft, kBottom)},
            [](Point) { return kPaper; });
    polygon(image, {at(kRight - kFold, kTop), at(kRight - kFold, kTop + kFold), at(kRight, kTop + kFold)},
            [](Point) { return kPaperShade; });
    // Lines of moves above the piece.
    for (int line = 0; line < 4; ++line) {
        const double y = kTop + 8 + line * 5.0;
        const double right = line == 0 ? kRight - kFold - 3 : kRight - 6;
        polygon(image, {at(kLeft + 6, y), at(right, y), at(right, y + 1.6), at(kLeft + 6, y + 1.6)},
                [](Point) { return kRule; });
    }
    // The piece, a little over half the sheet's width, low on it.
    const int piece = static_cast<int>(std::lround(size * 0.56));
    const Image disc = draw_app_icon(font, piece);
    composite(image.image, disc, static_cast<int>(std::lround((size - piece) / 2.0)),
              static_cast<int>(std::lround(kBottom * k - piece - 1.5 * k)));
    return std::move(image.image);
}

}  // namespace kelvara::generator::skin
