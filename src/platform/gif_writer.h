#pragma once
// Animated GIF files, written picture by picture: GIF89a, one global colour table of 256
// entries, the NETSCAPE2.0 looping extension, and per picture a graphic control extension
// (disposal 0) and an image descriptor without a local table. The blocks are laid out as
// giflib lays them out. The file appears at its path only when finish() succeeds
// (temporary file + rename); a failure keeps the system's reason.
//
// A picture's blocks can also be made apart from the writer (encode_gif_picture), on
// any thread, and handed to it later in order.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/lzw_encoder.h"
#include "platform/palette.h"
#include "platform/rect.h"

namespace kelvara {

// Appends one picture's graphic control extension, image descriptor and LZW data: the
// indices row by row for the rectangle (its offset in the logical screen), the delay in
// hundredths of a second and the transparent index (-1: none). False, with nothing
// appended, when the indices do not fill the rectangle or it does not fit a GIF.
bool encode_gif_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay, int transparent_index,
                        LzwEncoder& encoder, std::vector<std::uint8_t>& out);

class GifWriter {
public:
    GifWriter() = default;
    ~GifWriter() = default;  // an unfinished file is removed with its temporary file
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // The header, the logical screen with the global table, and the loop count (0 =
    // forever). False when the file cannot be created.
    bool open(const std::filesystem::path& path, int width, int height, const Palette& palette, int loop_count);
    // One picture, encoded here (see encode_gif_picture).
    bool add_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay, int transparent_index);
    // One picture's blocks as encode_gif_picture made them.
    bool add_encoded(std::span<const std::uint8_t> blocks);
    // The trailer, then the file is moved into place. False when anything failed.
    bool finish();

    // Why the file could not be created or written, after a failure.
    const FileError& file_error() const { return file_.error(); }

private:
    bool fail();
    bool flush();

    AtomicFileWriter file_;
    std::vector<std::uint8_t> buffer_;  // written out in large pieces
    std::vector<std::uint8_t> picture_;
    std::unique_ptr<LzwEncoder> encoder_;  // made on the first add_picture
    bool open_ = false;
    bool failed_ = false;
};

}  // namespace kelvara
