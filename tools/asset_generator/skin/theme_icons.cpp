#include "skin/theme_icons.h"

#include <string>

#include "asset_folder.h"
#include "skin/app_icon.h"
#include "skin/app_icon_svg.h"
#include "skin/record_icon.h"

namespace kelvara::generator::skin {

void write_theme_icons(const Font& font, const AssetFolder& folder) {
    for (int size : kThemeIconSizes) {
        const std::string place = "hicolor/" + std::to_string(size) + "x" + std::to_string(size);
        AssetFolder(folder.path() / place / "apps").write_png("kelvara.png", draw_app_icon(font, size));
        AssetFolder(folder.path() / place / "mimetypes").write_png("kelvara-record.png", draw_record_icon(font, size));
    }
    const std::string svg = draw_app_icon_svg(font);
    AssetFolder(folder.path() / "hicolor" / "scalable" / "apps")
        .write("kelvara.svg", std::span(reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size()));
}

}  // namespace kelvara::generator::skin
