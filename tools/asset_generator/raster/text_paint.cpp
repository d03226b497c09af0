#include "raster/text_paint.h"

#include <algorithm>

#include "raster/blend.h"

namespace kelvara::generator {

void paint_mask(Image& image, const TextMask& mask, int left, int top, Argb colour) {
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) paint(image, left + x, top + y, colour, mask.at(x, y));
}

InkBox ink_box(const TextMask& mask) {
    InkBox box{mask.width, mask.height, -1, -1};
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.at(x, y) != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    if (box.right < 0) return InkBox{};
    return box;
}

}  // namespace kelvara::generator
