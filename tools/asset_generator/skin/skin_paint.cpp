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

void fill_gradient(Image& image, Box box, Argb top, Argb bottom) {
    for (int y = box.top; y <= box.bottom(); ++y) {
        const double t = box.height > 1 ? static_cast<double>(y - box.top) / (box.height - 1) : 0.0;
        fill_rect(image, box.left, y, box.right(), y, mix(top, bottom, t));
    }
}

void outline(Image& image, Box box, Argb colour) { bevel(image, box, colour, colour); }

void bevel(Image& image, Box box, Argb light, Argb dark) {
    fill_rect(image, box.left, box.top, box.right(), box.top, light);
    fill_rect(image, box.left, box.top, box.left, box.bottom(), light);
    fill_rect(image, box.left + 1, box.bottom(), box.right(), box.bottom(), dark);
    fill_rect(image, box.right(), box.top + 1, box.right(), box.bottom(), dark);
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

void paint_motif(Image& image, const Motif& motif, int left, int top, bool mirror_x, bool mirror_y, Argb colour) {
    const int w = motif.width();
    const int h = motif.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (motif.ink(x, y))
                paint(image, left + (mirror_x ? w - 1 - x : x), top + (mirror_y ? h - 1 - y : y), colour);
}

void paint_label(Image& image, const Font& font, std::u32string_view text, int pixel_size, Box box, Argb colour,
                 Argb shadow) {
    const TextMask mask = font.render(text, pixel_size, Weight::Normal);
    const InkBox ink = ink_box(mask);
    if (ink.empty()) return;
    // Odd leftovers put the extra pixel below and to the right, where the eye expects weight.
    const int left = box.left + (box.width - ink.width() + 1) / 2 - ink.left;
    const int top = box.top + (box.height - ink.height() + 1) / 2 - ink.top;
    if (shadow != 0) paint_mask(image, mask, left + 1, top + 1, shadow);
    paint_mask(image, mask, left, top, colour);
}

Image crop(const Image& image, Box box) {
    Image out(box.width, box.height);
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x) out.at(x, y) = image.at(box.left + x, box.top + y);
    return out;
}

}  // namespace kelvara::generator::skin
