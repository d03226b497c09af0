#pragma once
// The two 26 × 26 markers of the last move: corner brackets, open in the middle so that
// the hit test at the square centre passes through them.

#include "platform/image.h"

namespace kelvara::generator {

// Brackets inset by 4 pixels, around the square the piece left.
Image draw_from_marker(int scale = 1);
// Brackets in the cell's very corners, around the piece that moved.
Image draw_to_marker(int scale = 1);

}  // namespace kelvara::generator
