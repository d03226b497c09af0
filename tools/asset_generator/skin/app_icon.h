#pragma once
// The application icon: a red general's piece, 帥, larger and finer than on the board.

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator::skin {

inline constexpr int kIconSize = 64;

// size × size on a transparent ground; the window's icon is 64 pixels at scale 1.
Image draw_app_icon(const Font& font, int size = kIconSize);

}  // namespace kelvara::generator::skin
