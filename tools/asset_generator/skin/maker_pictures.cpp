#include "skin/maker_pictures.h"

#include <cstdio>

#include "raster/blend.h"
#include "raster/shapes.h"
#include "raster/text_paint.h"
#include "skin/ornaments.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"
#include "skin/window_layout.h"

namespace kelvara::generator::skin {

namespace {

using namespace maker_window;

constexpr int kTextSize = 12;
constexpr std::u32string_view kBusyText = U"正在制作，请稍后";
// Dots two pixels square, four pixels apart, after a gap that matches a letter space.
constexpr int kDots = kBusyFrames - 1;
constexpr int kDotPitch = 4;
constexpr int kDotGap = 2;

// The bar's frame: gold-dark rows at the top and bottom and a column at each end.
void bar_frame_rows(Surface& bar) {
    fill_rect(bar, 0, 0, bar.width() - 1, 0, kGoldDark);
    fill_rect(bar, 0, bar.height() - 1, bar.width() - 1, bar.height() - 1, kGoldDark);
}

Surface progress_empty(int scale) {
    Surface bar(kBar.width, kBar.height, scale, kWoodDeep);
    bar_frame_rows(bar);
    fill_rect(bar, 0, 0, 0, bar.height() - 1, kGoldDark);
    // The trough's upper edge lies in shadow.
    fill_rect(bar, 1, 1, bar.width() - 1, 1, argb(12, 11, 8));
    return bar;
}

// Red lacquer with a lit upper half, like the buttons.
Surface progress_fill(int scale) {
    Surface bar(kBar.width, kBar.height, scale);
    fill_gradient(bar, Box{0, 1, kBar.width, kBar.height - 2}, kLacquerLight, kLacquerDark);
    fill_rect(bar, 0, 2, kBar.width - 1, 2, mix(kLacquerLight, kGoldLight, 0.35));
    bar_frame_rows(bar);
    return bar;
}

Surface progress_end(int scale) { return Surface(kBarEnd.width, kBarEnd.height, scale, kGoldDark); }

Surface maker_background(int scale) {
    Surface image(kWidth, kHeight, scale, kWood);
    // The window's corners are rounded off by its region; the rims follow just inside.
    outline(image, Box{0, 0, kWidth, kHeight}, kWoodDeep);
    outline(image, Box{2, 2, kWidth - 4, kHeight - 4}, kGoldDark);
    bevel(image, Box{3, 3, kWidth - 6, kHeight - 6}, kWoodEdge, kWoodDeep);
    const Surface bar = progress_empty(scale);
    for (int y = 0; y < bar.image.height; ++y)
        for (int x = 0; x < bar.image.width; ++x)
            image.image.at(kBar.left * scale + x, kBar.top * scale + y) = bar.image.at(x, y);
    fill_rect(image, kBarEnd.left, kBarEnd.top, kBarEnd.right(), kBarEnd.bottom(), kGoldDark);
    return image;
}

// One frame: the words, then `dots` dots, on the part of the background it covers.
// Text and dots are placed in the frame's own pixels, so each scale centres its own.
Image busy_frame(const Surface& background, const Font& font, int dots) {
    const int s = background.scale;
    Surface frame = crop(background, kBusy);
    const TextMask text = font.render(kBusyText, kTextSize * s, Weight::Normal);
    const int group = text.width + (kDotGap + kDots * kDotPitch - 2) * s;
    const int left = (kBusy.width * s - group) / 2;
    const int top = (kBusy.height * s - text.height) / 2;
    paint_mask(frame.image, text, left, top, kGoldLight);
    const int dot_top = top + text.baseline - 2 * s;
    for (int i = 0; i < dots; ++i) {
        const int x = left + text.width + (kDotGap + i * kDotPitch) * s;
        for (int y = dot_top; y < dot_top + 2 * s; ++y)
            for (int dx = 0; dx < 2 * s; ++dx) paint(frame.image, x + dx, y, kGoldLight);
    }
    return std::move(frame.image);
}

}  // namespace

SkinPictures draw_maker_pictures(const Font& font, int scale) {
    const Surface background = maker_background(scale);
    SkinPictures out;
    out.push_back({"maker_background.png", background.image});
    for (int i = 0; i < kBusyFrames; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "busy_%02d.png", i);
        out.push_back({name, busy_frame(background, font, i)});
    }
    out.push_back({"progress_empty.png", progress_empty(scale).image});
    out.push_back({"progress_fill.png", progress_fill(scale).image});
    out.push_back({"progress_end.png", progress_end(scale).image});
    return out;
}

}  // namespace kelvara::generator::skin
