#pragma once
// Every picture of the window skin: backgrounds, buttons, the maker window's pieces and
// the application icon.

#include "platform/font.h"
#include "skin/skin_picture.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::skin {

SkinPictures draw_skin_pictures(const Font& font);

void write_skin_assets(const SkinPictures& pictures, const AssetFolder& folder);

}  // namespace kelvara::generator::skin
