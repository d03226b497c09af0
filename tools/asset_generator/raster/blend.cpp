#include "raster/blend.h"

namespace kelvara::generator {

namespace {

int over_opaque(int s, int d, int a) { return (s * a + d * (255 - a) + 127) / 255; }

}  // namespace

Argb blend_over(Argb dst, Argb src) {
    const int a = alpha_of(src);
    const int da = alpha_of(dst);
    if (a == 255 || da == 0) return src;
    if (a == 0) return dst;
    if (da == 255)
        return argb(over_opaque(red_of(src), red_of(dst), a), over_opaque(green_of(src), green_of(dst), a),
                    over_opaque(blue_of(src), blue_of(dst), a));
    // Both translucent: the general rule in integers, the ground weighted by its own alpha.
    const int dw = da * (255 - a);  // ground weight, scaled by 255
    const int out_a255 = a * 255 + dw;
    auto channel = [&](int s, int d) { return (s * a * 255 + d * dw + out_a255 / 2) / out_a255; };
    return argb(channel(red_of(src), red_of(dst)), channel(green_of(src), green_of(dst)),
                channel(blue_of(src), blue_of(dst)), (out_a255 + 127) / 255);
}

void paint(Image& image, int x, int y, Argb colour, int coverage) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height || coverage <= 0) return;
    const int a = (alpha_of(colour) * coverage + 127) / 255;
    if (a == 0) return;
    Argb& p = image.at(x, y);
    p = blend_over(p, (colour & 0x00FFFFFFu) | (static_cast<Argb>(a) << 24));
}

void paint(Surface& surface, int x, int y, Argb colour, int coverage) {
    const int s = surface.scale;
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) paint(surface.image, x * s + dx, y * s + dy, colour, coverage);
}

void composite(Image& dst, const Image& src, int left, int top) {
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const Argb s = src.at(x, y);
            if (alpha_of(s) != 0) paint(dst, left + x, top + y, s);
        }
}

}  // namespace kelvara::generator
