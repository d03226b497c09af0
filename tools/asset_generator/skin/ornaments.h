#pragma once
// The traditional elements the window backgrounds are built from: the olive ground with
// its fret lattice, the gold-edged window frame with key-fret corners, dark wood
// panels, and red lacquer title strips.

#include "platform/image.h"
#include "raster/surface.h"
#include "skin/window_layout.h"

namespace kelvara::generator::skin {

// Olive with a faint lattice of 回 frets pressed into it, tiled from the picture's
// top-left corner so that every window shows the same grain.
void fill_fret_ground(Surface& image, Box box);

// A dark edge, a gold line and a dark line around the whole picture, and brass guards
// over its corners: the bottom two, and the top two unless a title strip runs there.
void draw_window_frame(Surface& image, bool top_guards);
// The width of that frame, so that panels and strips can start inside it.
inline constexpr int kFrameWidth = 3;

// Dark wood over `outer` with a gold hairline at its edge and a raised edge inside that;
// `inner` (when not empty) is a sunken place in it, left for what sits there.
void draw_wood_panel(Surface& image, Box outer, Box inner = Box{0, 0, 0, 0});

// A red lacquer strip over the box with gold rules along its top and bottom and a
// pointed gold cap at the right end, like the end of a hanging scroll.
void draw_title_strip(Surface& image, Box box);

// A sunken well one pixel around the box, for a control Qt draws into it.
void draw_well(Surface& image, Box box);

}  // namespace kelvara::generator::skin
