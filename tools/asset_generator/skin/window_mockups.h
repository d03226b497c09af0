#pragma once
// The skin put together as the program will show it, for the eye: the main window with
// a game on the board and moves in the list, the settings dialog with its controls, the
// maker window over the main window, and a sheet of every button in its three states.

#include "platform/font.h"
#include "platform/image.h"
#include "skin/skin_picture.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::skin {

// mockup_main.png, mockup_settings.png, mockup_maker.png and mockup_buttons.png; `board`
// is a 260 × 330 board canvas.
void write_window_mockups(const SkinPictures& skin, const Image& board, const Font& font, const AssetFolder& folder);

}  // namespace kelvara::generator::skin
