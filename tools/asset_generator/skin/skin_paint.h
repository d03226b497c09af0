#pragma once
// Painting steps shared by the skin pictures: gradients, bevels, small bitmaps and
// centred labels.

#include <span>
#include <string_view>

#include "platform/font.h"
#include "platform/image.h"
#include "raster/surface.h"
#include "skin/window_layout.h"

namespace kelvara::generator::skin {

// a + (b − a)·t per channel, rounded; alpha from a.
Argb mix(Argb a, Argb b, double t);

// Opaque vertical gradient over the box, `top` on its first row and `bottom` on its last.
void fill_gradient(Surface& surface, Box box, Argb top, Argb bottom);
// The box's one-pixel outline.
void outline(Surface& surface, Box box, Argb colour);
// A one-pixel edge lit from the top left: `light` on the top and left, `dark` on the
// bottom and right. Swapping the colours sinks the box instead of raising it.
void bevel(Surface& surface, Box box, Argb light, Argb dark);

// A small motif drawn as text rows, '#' for ink: placed at (left, top), mirrored when
// asked, so that one row list serves all four corners.
struct Motif {
    std::span<const std::string_view> rows;
    int width() const;
    int height() const { return static_cast<int>(rows.size()); }
    bool ink(int x, int y) const;
};
void paint_motif(Surface& surface, const Motif& motif, int left, int top, bool mirror_x, bool mirror_y, Argb colour);

// Text at the given pixel size, its ink centred in the box; `shadow`, when not 0, is
// painted one pixel down and right first. Sizes and the box are logical pixels.
void paint_label(Surface& surface, const Font& font, std::u32string_view text, int pixel_size, Box box, Argb colour,
                 Argb shadow = 0);

// Cuts a box of the picture out as a picture of its own.
Surface crop(const Surface& surface, Box box);

}  // namespace kelvara::generator::skin
