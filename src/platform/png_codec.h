#pragma once
// PNG pictures to and from Image, through libpng. Decoding accepts any PNG colour type
// and bit depth and honours its transparency.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/image.h"

namespace kelvara {

// nullopt for bytes that are not a whole, valid PNG.
std::optional<Image> decode_png(std::span<const std::uint8_t> bytes);
enum class PngChannels { Rgba, Rgb };

// An 8-bit PNG compressed at the highest level; Rgb leaves the alpha out, for opaque
// pictures such as the board (a quarter smaller before compression).
std::vector<std::uint8_t> encode_png(const Image& image, PngChannels channels = PngChannels::Rgba);

}  // namespace kelvara
