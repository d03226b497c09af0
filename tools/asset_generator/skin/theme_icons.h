#pragma once
// The icons installed into the desktop's icon theme: the application's and the record
// files', at every size a desktop asks for.

#include "platform/font.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::skin {

inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// hicolor/NxN/apps/kelvara.png and hicolor/NxN/mimetypes/kelvara-record.png for each size,
// and hicolor/scalable/apps/kelvara.svg.
void write_theme_icons(const Font& font, const AssetFolder& folder);

}  // namespace kelvara::generator::skin
