#pragma once
// Turns the pictures of an animation into GIF pictures for the animation palette: the
// first whole, each later one as the smallest rectangle holding every pixel that differs
// from the picture before it, with the pixels that did not change made transparent.
//
// A later picture is compared only within the areas its caller names (the squares of a
// move, the markers, the counter): the caller guarantees that nothing changed elsewhere.
// Each pixel in them is compared once. The pictures must come in order; one delta per
// thread.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/image.h"
#include "platform/palette.h"
#include "platform/rect.h"

namespace kelvara {

struct IndexedPicture {
    Rect rect;                          // in the logical screen
    int transparent_index = -1;         // -1: none
    std::vector<std::uint8_t> indices;  // row by row over rect
};

class PictureDelta {
public:
    // scale: the board's, which moves the pixel whose colour names the transparent index.
    explicit PictureDelta(const Palette& palette, int scale = 1);

    IndexedPicture first(const Image& picture);
    // Takes the picture as the previous one without mapping it: later pictures are
    // compared with it.
    void start(const Image& picture) { previous_ = picture; }
    // Every pixel that differs from the previous picture lies within areas. The changed
    // pixels mapped, the others the transparent key; a single transparent pixel when
    // nothing changed.
    IndexedPicture next(const Image& picture, std::span<const Rect> areas);

private:
    // Rows top to bottom that the same areas cover, and the columns they cover there.
    struct Band {
        int top;
        int bottom;  // exclusive
        std::size_t first;  // into columns_
        std::size_t count;
    };
    struct Columns {
        int left;
        int right;  // exclusive
    };
    // The areas' pixels as bands of disjoint column ranges.
    void find_bands(std::span<const Rect> areas, int width, int height);

    struct Pixel {
        int x;
        int y;
        Argb colour;
    };

    PaletteMapper mapper_;
    std::vector<Pixel> changed_;  // the picture's changed pixels, row by row; kept for the next
    int probe_x_;
    int probe_y_;
    Image previous_;
    std::vector<Band> bands_;
    std::vector<Columns> columns_;
};

}  // namespace kelvara
