#pragma once
// The empty board: field, bevel, double frame, grid, river, palaces and point marks.

#include "platform/image.h"

namespace kelvara::generator {

Image draw_board_picture();

}  // namespace kelvara::generator
