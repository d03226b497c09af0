#pragma once
// Text and glyph masks painted onto pictures.

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator {

// The mask's coverage as the alpha of `colour`, its top-left pixel at (left, top).
void paint_mask(Image& image, const TextMask& mask, int left, int top, Argb colour);

// The smallest box holding every covered pixel of a mask (inclusive); empty when the
// mask has no ink.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < left; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};
InkBox ink_box(const TextMask& mask);

}  // namespace kelvara::generator
