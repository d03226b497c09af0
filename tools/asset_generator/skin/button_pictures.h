#pragma once
// The graphic buttons of the three windows, each as a normal, a hover and a pressed
// picture: button_first_normal.png, button_play_hover.png, button_ok_pressed.png, ...

#include "platform/font.h"
#include "skin/skin_picture.h"

namespace kelvara::generator::skin {

SkinPictures draw_button_pictures(const Font& font, int scale = 1);

// "button_" + name + "_" + state + ".png".
std::string button_file_name(std::string_view name, std::string_view state);

}  // namespace kelvara::generator::skin
