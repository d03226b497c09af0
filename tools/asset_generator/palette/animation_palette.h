#pragma once
// The 256-colour palette every animation frame is mapped to. One entry is the
// transparency key colour, which no board colour may map to: otherwise a changed pixel
// of that colour would vanish from the animation.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/image.h"

namespace kelvara::generator {

inline constexpr int kPaletteSize = 256;
inline constexpr Argb kKeyColour = argb(0, 255, 255);
// Last, so that the key loses every tie of the nearest-entry rule.
inline constexpr int kKeyIndex = kPaletteSize - 1;

using Palette = std::array<Argb, kPaletteSize>;

// A palette for the colours of the given boards: the exact colours first (as given),
// the best representatives of the rest after them, the key colour last. Fails with
// std::runtime_error when some board colour would map to the key entry.
Palette build_animation_palette(const std::vector<Image>& boards, const std::vector<Argb>& exact);

// The first entry of smallest squared RGB distance, as the frames are mapped.
int nearest_entry(const Palette& palette, Argb colour);

// The picture as palette indices, row by row.
std::vector<std::uint8_t> map_to_palette(const Image& image, const Palette& palette);

}  // namespace kelvara::generator
