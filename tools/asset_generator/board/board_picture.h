#pragma once
// The empty board: field, bevel, double frame, grid, river, palaces and point marks.

#include "platform/image.h"

namespace kelvara::generator {

// At scale 2 or 3 every length is that many times longer.
Image draw_board_picture(int scale = 1);

}  // namespace kelvara::generator
