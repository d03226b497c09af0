#pragma once
// The application icon as an SVG picture, for the icon theme's scalable size: the same
// discs, rings and 帥 as the pictures, the character as the font's own outline.

#include <string>

#include "platform/font.h"

namespace kelvara::generator::skin {

std::string draw_app_icon_svg(const Font& font);

}  // namespace kelvara::generator::skin
