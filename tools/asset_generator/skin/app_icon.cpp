#include "skin/app_icon.h"

#include <algorithm>
#include <cmath>

#include "raster/shapes.h"
#include "raster/text_paint.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

constexpr Point kCentre{31.5, 31.0};
constexpr double kRadius = 29.5;
constexpr double kRim = 3.2;
constexpr double kGroove = 1.0;
constexpr int kCharacterBox = 34;
// The same red and gold as the pieces on the board.
constexpr Argb kDisc = argb(196, 32, 28);
constexpr Argb kRimGold = argb(214, 172, 66);

// Brighter towards the top left, where the light comes from.
Argb lit(Argb base, Point p, double strength) {
    const double t = std::clamp(((kCentre.y - p.y) + (kCentre.x - p.x) * 0.5) / (kRadius * 1.5), -1.0, 1.0) * strength;
    return t >= 0 ? mix(base, argb(255, 255, 255), t) : mix(base, argb(0, 0, 0), -t);
}

}  // namespace

Image draw_app_icon(const Font& font) {
    Image image(kIconSize, kIconSize, 0);
    // A soft shadow under the piece lifts it off whatever the desktop shows.
    fill_ring(image, Point{kCentre.x + 1.2, kCentre.y + 1.8}, 0, kRadius + 0.6,
              [](Point) { return argb(0, 0, 0, 90); });
    fill_ring(image, kCentre, 0, kRadius, [](Point p) { return lit(kRimGold, p, 0.4); });
    fill_ring(image, kCentre, 0, kRadius - kRim,
              [](Point p) { return lit(mix(kRimGold, argb(0, 0, 0), 0.5), p, -0.3); });
    fill_ring(image, kCentre, 0, kRadius - kRim - kGroove, [](Point p) { return lit(kDisc, p, 0.22); });
    // A fine gold ring inside the disc, as carved on a good set.
    fill_ring(image, kCentre, 21.0, 22.0, [](Point) { return argb(226, 184, 92, 200); });
    const TextMask glyph = font.render_centred(U'帥', kCharacterBox, Weight::Bold);
    const int left = static_cast<int>(kCentre.x) - kCharacterBox / 2 + 1;
    const int top = static_cast<int>(kCentre.y) - kCharacterBox / 2 + 1;
    paint_mask(image, glyph, left + 1, top + 1, argb(70, 10, 8, 150));
    paint_mask(image, glyph, left, top, kCream);
    return image;
}

}  // namespace kelvara::generator::skin
