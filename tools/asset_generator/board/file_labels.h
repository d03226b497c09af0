#pragma once
// The file numbers above and below the board: Chinese numerals for red's files,
// digits for black's, swapped when the board is turned.

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator {

// flip 0: 一 … 九 on top, 9 … 1 below; flip 1: 1 … 9 on top, 九 … 一 below.
Image draw_file_labels(const Font& font, int flip, int scale = 1);

}  // namespace kelvara::generator
