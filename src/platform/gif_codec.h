#pragma once
// GIF files through giflib; every giflib call of the program is in gif_codec.cpp.
//
// GifWriter writes an animated GIF picture by picture: GIF89a, one global colour
// table of 256 entries, the NETSCAPE2.0 looping extension, and per picture a graphic
// control extension (disposal 0) and an image descriptor without a local table. The file
// appears at its path only when finish() succeeds (temporary file + rename).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "platform/file_error.h"
#include "platform/palette.h"
#include "platform/rect.h"

namespace kelvara {

class GifWriter {
public:
    GifWriter();
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // The header, the logical screen with the global table, and the loop count (0 =
    // forever). False when the file cannot be created.
    bool open(const std::filesystem::path& path, int width, int height, const Palette& palette, int loop_count);
    // One picture: indices row by row for the rectangle (offset in the logical screen),
    // its delay in hundredths of a second and its transparent index (-1: none).
    bool add_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay, int transparent_index);
    // The trailer, then the file is moved into place. False when anything failed.
    bool finish();
    // Why the file could not be created or written, after a failure.
    const FileError& file_error() const;

    struct Impl;  // giflib's state and the output file

private:
    std::unique_ptr<Impl> impl_;
};

// The global colour table of a GIF file with 256 entries; nullopt for anything else.
std::optional<Palette> palette_from_gif(std::span<const std::uint8_t> gif_bytes);

}  // namespace kelvara
