#pragma once
// The maker window: its background, the looping busy animation and the three pieces of
// the progress bar.

#include "platform/font.h"
#include "skin/skin_picture.h"

namespace kelvara::generator::skin {

// The busy animation shows one more dot on each frame and starts over after the last;
// the window cycles the frames at this period.
inline constexpr int kBusyFrames = 5;
inline constexpr int kBusyFramePeriodMs = 250;

// maker_background.png, busy_00.png … busy_04.png, progress_empty.png,
// progress_fill.png and progress_end.png.
SkinPictures draw_maker_pictures(const Font& font, int scale = 1);

}  // namespace kelvara::generator::skin
