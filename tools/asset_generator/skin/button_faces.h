#pragma once
// The face of a graphic button in each of its three states, and the colour and offset
// of the sign drawn on it. Every button of the skin is one of two finishes.

#include <array>
#include <string_view>

#include "platform/image.h"
#include "raster/surface.h"

namespace kelvara::generator::skin {

enum class ButtonState { Normal, Hover, Pressed };
inline constexpr std::array<ButtonState, 3> kButtonStates = {ButtonState::Normal, ButtonState::Hover,
                                                             ButtonState::Pressed};
// "normal", "hover" or "pressed": the end of the picture's file name.
std::string_view state_name(ButtonState state);

// Red lacquer for the labelled and demonstration buttons, dark wood for the small
// navigation and window buttons.
enum class ButtonFinish { Lacquer, Ebony };

// An opaque face with a gold rim, lit from above; pressed, it is darker and lit from below.
// The corner pixels are half transparent, which rounds the rim over any ground.
Surface draw_button_face(int width, int height, ButtonFinish finish, ButtonState state, int scale = 1);

// The colour of the sign (arrow, label) on a face.
Argb sign_colour(ButtonFinish finish, ButtonState state);
// A pressed button's sign moves one pixel down and right, as if pushed in.
int sign_shift(ButtonState state);

}  // namespace kelvara::generator::skin
