#pragma once
// The application icon: a red general's piece, 帥, larger and finer than on the board.

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator::skin {

inline constexpr int kIconSize = 64;

// 64 × 64 on a transparent ground.
Image draw_app_icon(const Font& font);

}  // namespace kelvara::generator::skin
