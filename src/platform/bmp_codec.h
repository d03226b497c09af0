#pragma once
// Uncompressed BMP pictures: the board snapshot and the captures of the sprite canvas
// are written as 32-bit BMP files; 24- and 32-bit files are read back.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/image.h"

namespace kelvara {

// A complete 32-bit BMP file of the region (left, top, width, height) of the image: rows
// bottom row first, bytes blue, green, red, alpha. Pixels of the region outside the image
// are opaque black. Empty when the region has no pixels or would not fit a BMP file.
std::vector<std::uint8_t> encode_bmp(const Image& image, int left, int top, int width, int height);

// The picture of an uncompressed 24- or 32-bit BMP file, rows bottom-up or top-down.
// A 32-bit file whose alpha bytes are all 0 (the byte is "reserved" to many writers) is
// taken as opaque. nullopt for anything malformed, truncated or implausibly large.
std::optional<Image> decode_bmp(std::span<const std::uint8_t> bytes);

}  // namespace kelvara
