#pragma once
// The backgrounds of the main window and the settings dialog. Qt draws the labels, the
// move list and the edit boxes over them; the ground is shaped for those places.

#include "platform/image.h"

namespace kelvara::generator::skin {

// 410 × 365, opaque: olive ground, a title strip, dark wood behind the board and behind
// the move list with the button tray under it.
Image draw_main_background(int scale = 1);

// 275 × 174, opaque: a title strip, a wood panel for the settings with wells for the
// edit boxes and an engraved line between the two groups.
Image draw_settings_background(int scale = 1);

}  // namespace kelvara::generator::skin
