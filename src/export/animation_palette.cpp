#include "export/animation_palette.h"

#include "kelvara_assets.h"
#include "platform/gif_codec.h"

namespace kelvara {

Palette load_animation_palette() {
    if (auto palette = palette_from_gif(assets::palette_gif)) return *palette;
    Palette ramp;
    for (int i = 0; i < 256; ++i) ramp[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)};
    return ramp;
}

}  // namespace kelvara
