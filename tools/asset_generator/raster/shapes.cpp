#include "raster/shapes.h"

#include <algorithm>
#include <cmath>

#include "raster/blend.h"

namespace kelvara::generator {

namespace {

// 16 × 16 samples give coverages in steps of one 256th: as fine as the alpha byte.
constexpr int kSamples = 16;

// The coverage of image pixel (x, y); inside() is asked in logical coordinates.
template <class Inside>
int coverage(int x, int y, double scale, const Inside& inside) {
    int hits = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
            if (inside(Point{(x + (sx + 0.5) / kSamples) / scale, (y + (sy + 0.5) / kSamples) / scale})) ++hits;
    return std::min(255, hits);
}

// Fills the image pixels within the logical box [left, right] × [top, bottom], which
// need not be whole pixels.
template <class Inside>
void fill_shape(Surface& surface, double left, double top, double right, double bottom, const Inside& inside,
                const Shade& shade) {
    Image& image = surface.image;
    const double s = surface.scale;
    const int x0 = std::max(static_cast<int>(std::floor(left * s)), 0);
    const int y0 = std::max(static_cast<int>(std::floor(top * s)), 0);
    const int x1 = std::min(static_cast<int>(std::ceil(right * s)), image.width - 1);
    const int y1 = std::min(static_cast<int>(std::ceil(bottom * s)), image.height - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (const int c = coverage(x, y, s, inside); c > 0)
                paint(image, x, y, shade(Point{(x + 0.5) / s, (y + 0.5) / s}), c);
}

}  // namespace

void fill_rect(Surface& surface, int left, int top, int right, int bottom, Argb colour) {
    const int s = surface.scale;
    for (int y = top * s; y < (bottom + 1) * s; ++y)
        for (int x = left * s; x < (right + 1) * s; ++x) paint(surface.image, x, y, colour);
}

void fill_ring(Surface& surface, Point centre, double inner, double outer, const Shade& shade) {
    const double inner2 = inner * inner;
    const double outer2 = outer * outer;
    auto inside = [&](Point p) {
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        const double d2 = dx * dx + dy * dy;
        return d2 >= inner2 && d2 < outer2;
    };
    fill_shape(surface, centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, inside, shade);
}

void fill_polygon(Surface& surface, std::span<const Point> corners, const Shade& shade) {
    if (corners.size() < 3) return;
    double left = corners[0].x, right = left, top = corners[0].y, bottom = top;
    for (const Point& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // A ray to the right crosses the outline an odd number of times from inside.
    auto inside = [&](Point p) {
        bool in = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
        }
        return in;
    };
    fill_shape(surface, left, top, right, bottom, inside, shade);
}

}  // namespace kelvara::generator
