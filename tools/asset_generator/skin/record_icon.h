#pragma once
// The icon of a record file: a sheet of paper with a folded corner, ruled with lines of
// moves, and the red general's piece of the application icon on it.

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator::skin {

// size × size on a transparent ground.
Image draw_record_icon(const Font& font, int size);

}  // namespace kelvara::generator::skin
