#pragma once
// Filled shapes with anti-aliased edges: each pixel is painted with the share of it
// that the shape covers, counted on a grid of sub-pixel samples. Coordinates are
// logical pixels; a surface at scale 2 or 3 samples its own, finer pixels.

#include <functional>
#include <span>

#include "platform/image.h"
#include "raster/surface.h"

namespace kelvara::generator {

// Pixel coordinates are continuous here: pixel (x, y) is the square [x, x+1) × [y, y+1).
struct Point {
    double x;
    double y;
};

// The colour at a point of the shape, for shading; a plain colour converts to one.
using Shade = std::function<Argb(Point)>;

// Axis-aligned rectangle of whole pixels, inclusive corners: also the board's 1-pixel
// lines, which need no edge blending.
void fill_rect(Surface& surface, int left, int top, int right, int bottom, Argb colour);

// Every point whose distance from `centre` lies within [inner, outer): a disc when
// inner is 0, a ring otherwise.
void fill_ring(Surface& surface, Point centre, double inner, double outer, const Shade& shade);

// The inside of a closed polygon (even-odd rule), for arrow heads and other glyphs.
void fill_polygon(Surface& surface, std::span<const Point> corners, const Shade& shade);

}  // namespace kelvara::generator
