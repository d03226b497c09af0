#include "platform/palette.h"

#include <gtest/gtest.h>

#include <random>

#include "support/gif_reading.h"

namespace kelvara {
namespace {

// Colours map to the first nearest entry, ties included (the palette repeats entries and
// holds entries equally far from many colours), whatever the alpha byte, and a colour
// asked again gets the same answer from the mapper's memory.
TEST(PaletteMapper, MapsEveryColourToTheFirstNearestEntry) {
    std::mt19937 random(7);
    Palette palette;
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(random() % 8 * 36);  // a coarse grid: many ties
        palette[i] = {v, static_cast<std::uint8_t>(random() % 8 * 36), static_cast<std::uint8_t>(i < 128 ? v : 255 - v)};
    }
    palette[200] = palette[3];  // a repeated entry never wins over the first
    palette[0] = {0, 0, 0};
    palette[255] = {255, 255, 255};
    PaletteMapper mapper(palette);
    std::vector<Argb> colours = {argb(0, 0, 0), argb(255, 255, 255), argb(18, 18, 18),
                                 argb(palette[3].red, palette[3].green, palette[3].blue)};
    for (int i = 0; i < 20000; ++i) colours.push_back(static_cast<Argb>(random()));
    for (int pass = 0; pass < 2; ++pass)
        for (Argb c : colours) ASSERT_EQ(mapper.index_of(c), test::first_nearest(palette, c)) << std::hex << c;
}

}  // namespace
}  // namespace kelvara
