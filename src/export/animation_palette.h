#pragma once
// The animation palette, read once from the embedded palette picture.

#include "platform/palette.h"

namespace kelvara {

// The global colour table of the embedded palette picture. It cannot fail for the
// picture built into the program; a damaged build gets a grey ramp rather than a crash.
Palette load_animation_palette();

}  // namespace kelvara
