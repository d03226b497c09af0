#pragma once
// Turns the pictures of an animation into GIF pictures for the animation palette: the
// first whole, each later one as the smallest rectangle holding every pixel that differs
// from the picture before it, with the pixels that did not change made transparent.
//
// A later picture is compared only within the areas its caller names (the squares of a
// move, the markers, the counter): the caller guarantees that nothing changed elsewhere.
// Each pixel in them is compared once, and only pixels that changed are mapped.

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
    explicit PictureDelta(const Palette& palette);

    IndexedPicture first(const Image& picture);
    // Every pixel that differs from the previous picture lies within areas.
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
    struct Change {
        int x;
        int y;
        Argb colour;
    };

    // The areas' pixels as bands of disjoint column ranges.
    void find_bands(std::span<const Rect> areas, int width, int height);
    std::uint8_t index_of(Argb colour);

    PaletteMapper mapper_;
    std::uint8_t key_index_;
    Image previous_;
    std::vector<Band> bands_;
    std::vector<Columns> columns_;
    std::vector<Change> changes_;
    Argb last_colour_ = 0;  // the last colour mapped, for runs of one colour
    std::uint8_t last_index_ = 0;
    bool have_last_ = false;
};

}  // namespace kelvara
