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
// An 8-bit RGBA PNG, compressed at the highest level.
std::vector<std::uint8_t> encode_png(const Image& image);

}  // namespace kelvara
