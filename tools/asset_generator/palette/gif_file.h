#pragma once
// A single-picture GIF89a in the layout of the program's animations: global colour
// table of 256 entries, looping extension, graphic control extension, one image.

#include <cstdint>
#include <vector>

#include "palette/animation_palette.h"

namespace kelvara::generator {

// `indices` holds width × height palette indices, rows top to bottom. Fails with
// std::runtime_error when giflib refuses.
std::vector<std::uint8_t> encode_single_frame_gif(int width, int height, const std::vector<std::uint8_t>& indices,
                                                  const Palette& palette, int delay_centiseconds);

}  // namespace kelvara::generator
