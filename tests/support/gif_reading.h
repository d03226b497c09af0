#pragma once
// Reads an animated GIF back for the tests: its blocks as bytes (our own parser, to check
// the layout) and its pictures composed as a viewer shows them (through giflib).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/palette.h"

namespace kelvara::test {

struct GifPicture {
    int left, top, width, height;
    int delay;
    bool transparent;
    int transparent_index;
    int disposal;
    bool local_table;
    int lzw_minimum;
};

struct GifLayout {
    std::string signature;
    int width = 0, height = 0, flags = 0, background = -1, aspect = -1;
    Palette palette{};
    bool looping = false;
    int loop_count = -1;
    int other_extensions = 0;  // comments and anything else
    std::vector<GifPicture> pictures;
    bool trailer = false;
};

GifLayout read_gif_layout(const std::string& bytes);

// The index of the first palette entry nearest to a colour, worked out the long way.
std::uint8_t first_nearest(const Palette& palette, Argb colour);

// Every picture composed over the ones before it (disposal 0, transparency honoured), as
// palette indices of the logical screen.
std::vector<std::vector<std::uint8_t>> compose_gif(const std::filesystem::path& path);
// Every picture's own pixels (palette indices of its rectangle, row by row), as giflib
// decodes them.
std::vector<std::vector<std::uint8_t>> gif_rasters(const std::filesystem::path& path);

}  // namespace kelvara::test
