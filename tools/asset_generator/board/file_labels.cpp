#include "board/file_labels.h"

#include <algorithm>
#include <array>

#include "board/board_geometry.h"
#include "raster/surface.h"
#include "raster/text_paint.h"

namespace kelvara::generator {

namespace {

constexpr std::array<char32_t, 9> kNumerals = {U'一', U'二', U'三', U'四', U'五', U'六', U'七', U'八', U'九'};
constexpr std::array<char32_t, 9> kDigits = {U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9'};

// Numerals fill their band's height, at most 9 px (the lower band has 8 rows); digits 8 px.
constexpr int kNumeralSize = 9;
constexpr int kDigitSize = 8;

// One glyph with its ink centred on the file line and in the band [top, bottom]; bold,
// so that the thin strokes stay dark at this size.
void draw_label(Surface& surface, const Font& font, char32_t ch, int size, int column, int top, int bottom) {
    const int s = surface.scale;
    const TextMask mask = font.render_centred(ch, std::min(size, bottom - top + 1) * s, Weight::Bold);
    const InkBox ink = ink_box(mask);
    if (ink.empty()) return;
    // The ink's middle on the file line (s pixels wide); an odd leftover goes one way always.
    const int left = file_x(column) * s + (s - ink.width()) / 2 - ink.left;
    const int band = (bottom - top + 1) * s;
    const int y = top * s + (band - ink.height()) / 2 - ink.top;
    paint_mask(surface.image, mask, left, y, kLineColour);
}

}  // namespace

Image draw_file_labels(const Font& font, int flip, int scale) {
    Surface image(kCanvasWidth, kCanvasHeight, scale, 0);
    for (int column = 0; column < 9; ++column) {
        const int mirrored = 8 - column;
        if (flip == 0) {
            draw_label(image, font, kNumerals[column], kNumeralSize, column, kTopLabelTop, kTopLabelBottom);
            draw_label(image, font, kDigits[mirrored], kDigitSize, column, kBottomLabelTop, kBottomLabelBottom);
        } else {
            draw_label(image, font, kDigits[column], kDigitSize, column, kTopLabelTop, kTopLabelBottom);
            draw_label(image, font, kNumerals[mirrored], kNumeralSize, column, kBottomLabelTop, kBottomLabelBottom);
        }
    }
    return std::move(image.image);
}

}  // namespace kelvara::generator
