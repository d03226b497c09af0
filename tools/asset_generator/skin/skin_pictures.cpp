#include "skin/skin_pictures.h"

#include "asset_folder.h"
#include "skin/app_icon.h"
#include "skin/button_pictures.h"
#include "skin/maker_pictures.h"
#include "skin/window_backgrounds.h"

namespace kelvara::generator::skin {

SkinPictures draw_skin_pictures(const Font& font, int scale) {
    SkinPictures out;
    out.push_back({"main_background.png", draw_main_background(scale)});
    out.push_back({"main_background_analysis.png", draw_main_background(scale, true)});
    out.push_back({"settings_background.png", draw_settings_background(scale)});
    for (SkinPicture& p : draw_button_pictures(font, scale)) out.push_back(std::move(p));
    for (SkinPicture& p : draw_maker_pictures(font, scale)) out.push_back(std::move(p));
    out.push_back({"app_icon.png", draw_app_icon(font, kIconSize * scale)});
    return out;
}

void write_skin_assets(const SkinPictures& pictures, const AssetFolder& folder, int scale) {
    for (const SkinPicture& p : pictures) folder.write_png(p.file_name, p.image, scale);
}

}  // namespace kelvara::generator::skin
