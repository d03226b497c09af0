#pragma once
// Every picture of the window skin: backgrounds, buttons, the maker window's pieces and
// the application icon.

#include "platform/font.h"
#include "skin/skin_picture.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::skin {

// Every picture at the scale; the file names are those of scale 1.
SkinPictures draw_skin_pictures(const Font& font, int scale = 1);

// At scale 2 or 3 the names gain "@2x" or "@3x".
void write_skin_assets(const SkinPictures& pictures, const AssetFolder& folder, int scale = 1);

}  // namespace kelvara::generator::skin
