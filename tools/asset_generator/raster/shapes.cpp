#include "raster/shapes.h"

#include <algorithm>
#include <cmath>

#include "raster/blend.h"

namespace kelvara::generator {

namespace {

// 16 × 16 samples give coverages in steps of one 256th: as fine as the alpha byte.
constexpr int kSamples = 16;

template <class Inside>
int coverage(int x, int y, const Inside& inside) {
    int hits = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
            if (inside(Point{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples})) ++hits;
    return std::min(255, hits);
}

template <class Inside>
void fill_shape(Image& image, int left, int top, int right, int bottom, const Inside& inside, const Shade& shade) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width - 1);
    bottom = std::min(bottom, image.height - 1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (const int c = coverage(x, y, inside); c > 0) paint(image, x, y, shade(Point{x + 0.5, y + 0.5}), c);
}

}  // namespace

void fill_rect(Image& image, int left, int top, int right, int bottom, Argb colour) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) paint(image, x, y, colour);
}

void fill_ring(Image& image, Point centre, double inner, double outer, const Shade& shade) {
    const double inner2 = inner * inner;
    const double outer2 = outer * outer;
    auto inside = [&](Point p) {
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        const double d2 = dx * dx + dy * dy;
        return d2 >= inner2 && d2 < outer2;
    };
    fill_shape(image, static_cast<int>(std::floor(centre.x - outer)), static_cast<int>(std::floor(centre.y - outer)),
               static_cast<int>(std::ceil(centre.x + outer)), static_cast<int>(std::ceil(centre.y + outer)), inside,
               shade);
}

void fill_polygon(Image& image, std::span<const Point> corners, const Shade& shade) {
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
    fill_shape(image, static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
               static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom)), inside, shade);
}

}  // namespace kelvara::generator
