#include "skin/skin_paint.h"

#include <algorithm>
#include <cmath>

#include "raster/blend.h"
#include "raster/shapes.h"
#include "raster/text_paint.h"

namespace kelvara::generator::skin {

Argb mix(Argb a, Argb b, double t) {
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return argb(channel(red_of(a), red_of(b)), channel(green_of(a), green_of(b)), channel(blue_of(a), blue_of(b)),
                alpha_of(a));
}

// Row by row of the image, so that a finer picture has a smoother gradient.
void fill_gradient(Surface& surface, Box box, Argb top, Argb bottom) {
    const int s = surface.scale;
    const int rows = box.height * s;
    for (int y = 0; y < rows; ++y) {
        const double t = rows > 1 ? static_cast<double>(y) / (rows - 1) : 0.0;
        const Argb colour = mix(top, bottom, t);
        for (int x = box.left * s; x < (box.right() + 1) * s; ++x) paint(surface.image, x, box.top * s + y, colour);
    }
}

void outline(Surface& surface, Box box, Argb colour) { bevel(surface, box, colour, colour); }

void bevel(Surface& surface, Box box, Argb light, Argb dark) {
    fill_rect(surface, box.left, box.top, box.right(), box.top, light);
    fill_rect(surface, box.left, box.top, box.left, box.bottom(), light);
    fill_rect(surface, box.left + 1, box.bottom(), box.right(), box.bottom(), dark);
    fill_rect(surface, box.right(), box.top + 1, box.right(), box.bottom(), dark);
}

int Motif::width() const {
    std::size_t w = 0;
    for (std::string_view row : rows) w = std::max(w, row.size());
    return static_cast<int>(w);
}

bool Motif::ink(int x, int y) const {
    const std::string_view row = rows[static_cast<std::size_t>(y)];
    return static_cast<std::size_t>(x) < row.size() && row[static_cast<std::size_t>(x)] == '#';
}

void paint_motif(Surface& surface, const Motif& motif, int left, int top, bool mirror_x, bool mirror_y, Argb colour) {
    const int w = motif.width();
    const int h = motif.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (motif.ink(x, y))
                paint(surface, left + (mirror_x ? w - 1 - x : x), top + (mirror_y ? h - 1 - y : y), colour);
}

void paint_label(Surface& surface, const Font& font, std::u32string_view text, int pixel_size, Box box, Argb colour,
                 Argb shadow) {
    const int s = surface.scale;
    const TextMask mask = font.render(text, pixel_size * s, Weight::Normal);
    const InkBox ink = ink_box(mask);
    if (ink.empty()) return;
    // Odd leftovers put the extra pixel below and to the right, where the eye expects weight.
    const int left = box.left * s + (box.width * s - ink.width() + 1) / 2 - ink.left;
    const int top = box.top * s + (box.height * s - ink.height() + 1) / 2 - ink.top;
    if (shadow != 0) paint_mask(surface.image, mask, left + s, top + s, shadow);
    paint_mask(surface.image, mask, left, top, colour);
}

Surface crop(const Surface& surface, Box box) {
    const int s = surface.scale;
    Surface out(box.width, box.height, s);
    for (int y = 0; y < out.image.height; ++y)
        for (int x = 0; x < out.image.width; ++x)
            out.image.at(x, y) = surface.image.at(box.left * s + x, box.top * s + y);
    return out;
}

}  // namespace kelvara::generator::skin
