#include "skin/app_icon.h"

#include <algorithm>
#include <cmath>

#include "raster/shapes.h"
#include "raster/text_paint.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

// The design at 64 pixels; other sizes scale every length by size / 64.
constexpr Point kCentre{31.5, 31.0};
constexpr double kRadius = 29.5;
constexpr double kRim = 3.2;
constexpr double kGroove = 1.0;
constexpr int kCharacterBox = 34;
// The same red and gold as the pieces on the board.
constexpr Argb kDisc = argb(196, 32, 28);
constexpr Argb kRimGold = argb(214, 172, 66);

// Brighter towards the top left, where the light comes from.
Argb lit(Argb base, Point p, Point centre, double radius, double strength) {
    const double t =
        std::clamp(((centre.y - p.y) + (centre.x - p.x) * 0.5) / (radius * 1.5), -1.0, 1.0) * strength;
    return t >= 0 ? mix(base, argb(255, 255, 255), t) : mix(base, argb(0, 0, 0), -t);
}

}  // namespace

Image draw_app_icon(const Font& font, int size) {
    const double k = static_cast<double>(size) / kIconSize;
    Surface image(size, size);
    const Point centre{kCentre.x * k, kCentre.y * k};
    const double radius = kRadius * k;
    // A soft shadow under the piece lifts it off whatever the desktop shows.
    fill_ring(image, Point{centre.x + 1.2 * k, centre.y + 1.8 * k}, 0, radius + 0.6 * k,
              [](Point) { return argb(0, 0, 0, 90); });
    fill_ring(image, centre, 0, radius, [&](Point p) { return lit(kRimGold, p, centre, radius, 0.4); });
    fill_ring(image, centre, 0, radius - kRim * k,
              [&](Point p) { return lit(mix(kRimGold, argb(0, 0, 0), 0.5), p, centre, radius, -0.3); });
    fill_ring(image, centre, 0, radius - kRim * k - kGroove * k,
              [&](Point p) { return lit(kDisc, p, centre, radius, 0.22); });
    // A fine gold ring inside the disc, as carved on a good set.
    fill_ring(image, centre, 21.0 * k, 22.0 * k, [](Point) { return argb(226, 184, 92, 200); });
    const int box = std::max(1, static_cast<int>(std::lround(kCharacterBox * k)));
    const TextMask glyph = font.render_centred(U'帥', box, Weight::Bold);
    const int corner = static_cast<int>(kCentre.x) - kCharacterBox / 2 + 1;  // 15 at 64 pixels
    const int left = static_cast<int>(std::lround(corner * k));
    const int top = static_cast<int>(std::lround((static_cast<int>(kCentre.y) - kCharacterBox / 2 + 1) * k));
    const int shadow = std::max(1, static_cast<int>(std::lround(k)));
    paint_mask(image.image, glyph, left + shadow, top + shadow, argb(70, 10, 8, 150));
    paint_mask(image.image, glyph, left, top, kCream);
    return std::move(image.image);
}

}  // namespace kelvara::generator::skin
