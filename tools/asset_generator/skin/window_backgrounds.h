#pragma once
// The backgrounds of the main window and the settings dialog. Qt draws the labels, the
// move list and the edit boxes over them; the ground is shaped for those places.

#include "platform/image.h"

namespace kelvara::generator::skin {

// 410 × 365, opaque: olive ground, a title strip, dark wood behind the board and behind
// the move list with the button tray under it. With the analysis strip, 410 × 430: the
// same with a wood panel for the strip below both.
Image draw_main_background(int scale = 1, bool with_analysis = false);

// 275 × 256, opaque: a title strip, a wood panel for the settings with wells for the
// edit boxes and engraved lines between the three groups.
Image draw_settings_background(int scale = 1);

}  // namespace kelvara::generator::skin
