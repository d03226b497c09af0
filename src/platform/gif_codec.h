#pragma once
// GIF files: read through giflib, whose every call in the program is in gif_codec.cpp,
// and written by the program's own writer and LZW encoder (gif_writer.h).

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gif_writer.h"
#include "platform/palette.h"

namespace kelvara {

// The global colour table of a GIF file with 256 entries; nullopt for anything else.
std::optional<Palette> palette_from_gif(std::span<const std::uint8_t> gif_bytes);

}  // namespace kelvara
