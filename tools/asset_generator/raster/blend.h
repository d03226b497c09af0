#pragma once
// Straight-alpha compositing of one colour or one picture over another.

#include "platform/image.h"
#include "raster/surface.h"

namespace kelvara::generator {

// `src` over `dst`. Over an opaque ground this is the rule the board canvas uses:
// out = (src·a + dst·(255 − a) + 127) / 255, per channel.
Argb blend_over(Argb dst, Argb src);

// `colour` over the pixel (x, y) with its alpha scaled by coverage (0–255); pixels
// outside the picture are left alone.
void paint(Image& image, int x, int y, Argb colour, int coverage = 255);
// The same over every image pixel of the logical pixel (x, y).
void paint(Surface& surface, int x, int y, Argb colour, int coverage = 255);

// `src` over `dst` with its top-left pixel at (left, top), clipped to `dst`.
void composite(Image& dst, const Image& src, int left, int top);

}  // namespace kelvara::generator
