// palette.gif: its global colour table is the palette every animation frame is mapped to.
// Frames mark unchanged pixels with the key colour, so no board colour may map to it.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "asset_pictures.h"
#include "kelvara_assets.h"

namespace kelvara {
namespace {

using namespace test;

struct DecodedGif {
    int width = 0;
    int height = 0;
    int images = 0;
    std::vector<Argb> palette;
    std::vector<std::uint8_t> indices;  // of the first image
};

struct MemoryReader {
    std::span<const unsigned char> bytes;
    std::size_t at = 0;
};

int read_memory(GifFileType* gif, GifByteType* out, int length) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), reader->bytes.size() - reader->at);
    std::memcpy(out, reader->bytes.data() + reader->at, n);
    reader->at += n;
    return static_cast<int>(n);
}

DecodedGif decode_gif(std::span<const unsigned char> bytes) {
    MemoryReader reader{bytes};
    int error = 0;
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(DGifOpen(&reader, read_memory, &error),
                                                             [](GifFileType* g) { DGifCloseFile(g, nullptr); });
    DecodedGif out;
    if (!gif || DGifSlurp(gif.get()) != GIF_OK) {
        ADD_FAILURE() << "palette.gif does not decode";
        return out;
    }
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    out.images = gif->ImageCount;
    if (const ColorMapObject* map = gif->SColorMap)
        for (int i = 0; i < map->ColorCount; ++i)
            out.palette.push_back(argb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    if (gif->ImageCount > 0) {
        const SavedImage& image = gif->SavedImages[0];
        out.indices.assign(image.RasterBits,
                           image.RasterBits + static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height);
    }
    return out;
}

int distance(Argb a, Argb b) {
    const int dr = red_of(a) - red_of(b), dg = green_of(a) - green_of(b), db = blue_of(a) - blue_of(b);
    return dr * dr + dg * dg + db * db;
}

// As frames are mapped: the first entry of smallest squared distance.
std::size_t nearest(const std::vector<Argb>& palette, Argb c) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i)
        if (distance(palette[i], c) < distance(palette[best], c)) best = i;
    return best;
}

// Straight alpha over an opaque ground, as the board canvas composes its sprites.
Argb over(Argb ground, Argb p) {
    const int a = alpha_of(p);
    auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
    return argb(mix(red_of(p), red_of(ground)), mix(green_of(p), green_of(ground)), mix(blue_of(p), blue_of(ground)));
}

class PalettePicture : public testing::Test {
protected:
    DecodedGif gif = decode_gif(assets::palette_gif);
    std::size_t key_index() const {
        return static_cast<std::size_t>(std::find(gif.palette.begin(), gif.palette.end(), kKey) - gif.palette.begin());
    }
};

TEST_F(PalettePicture, IsTheStartingBoardWithA256ColourTable) {
    EXPECT_EQ(gif.width, 260);
    EXPECT_EQ(gif.height, 330);
    EXPECT_EQ(gif.images, 1);
    ASSERT_EQ(gif.palette.size(), 256u);
    ASSERT_EQ(gif.indices.size(), 260u * 330u);
    auto colour_at = [&](int x, int y) { return gif.palette[gif.indices[static_cast<std::size_t>(y) * 260 + x]]; };
    EXPECT_EQ(colour_at(file_x(4), rank_y(4) + 13), kField);  // the river
    EXPECT_EQ(colour_at(file_x(0), rank_y(4) + 13), kBlack);  // a side line
    EXPECT_EQ(colour_at(22, 166), kBlack);                    // the frame
    // Pieces stand on the start squares: red's king at the top, black's at the bottom.
    int red = 0;
    int dark = 0;
    for (int y = -7; y <= 7; ++y)
        for (int x = -7; x <= 7; ++x) {
            const Argb top = colour_at(file_x(4) + x, rank_y(0) + y);
            const Argb bottom = colour_at(file_x(4) + x, rank_y(9) + y);
            if (red_of(top) > 150 && green_of(top) < 60) ++red;
            if (red_of(bottom) < 40 && green_of(bottom) < 40 && blue_of(bottom) < 40) ++dark;
        }
    EXPECT_GT(red, 30);
    EXPECT_GT(dark, 30);
}

TEST_F(PalettePicture, HoldsTheKeyColourOnceAndTheBoardColoursExactly) {
    ASSERT_EQ(gif.palette.size(), 256u);
    EXPECT_EQ(std::count(gif.palette.begin(), gif.palette.end(), kKey), 1);
    for (Argb c : {kField, kBlack, kTextColour, kBlue, kWhite})
        EXPECT_NE(std::find(gif.palette.begin(), gif.palette.end(), c), gif.palette.end())
            << red_of(c) << "," << green_of(c) << "," << blue_of(c) << " is not in the palette";
}

TEST_F(PalettePicture, NoPixelOfTheBoardIsTheKey) {
    ASSERT_EQ(gif.palette.size(), 256u);
    const std::size_t key = key_index();
    EXPECT_EQ(std::count(gif.indices.begin(), gif.indices.end(), key), 0);
    EXPECT_EQ(nearest(gif.palette, kKey), key);
}

// Every colour the pictures can put on the canvas — piece edges over the field and over
// the lines, label glyphs, markers, text at every coverage — has a close entry, and none
// falls on the key.
TEST_F(PalettePicture, MapsEveryCanvasColourCloselyAndNeverToTheKey) {
    ASSERT_EQ(gif.palette.size(), 256u);
    std::vector<Argb> colours;
    for (const auto& piece : piece_pictures())
        for (Argb ground : {kField, kBlack})
            for (Argb p : piece.image.pixels) colours.push_back(over(ground, p));
    for (const auto& png : {assets::file_labels_0_png, assets::file_labels_1_png, assets::from_marker_png,
                            assets::to_marker_png, assets::board_png})
        for (Argb p : embedded_picture(png).pixels) colours.push_back(over(kField, p));
    for (int coverage = 0; coverage < 256; ++coverage)
        colours.push_back(over(kField, (kTextColour & 0xFFFFFFu) | static_cast<Argb>(coverage) << 24));

    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    const std::size_t key = key_index();
    int worst = 0;
    for (Argb c : colours) {
        const std::size_t i = nearest(gif.palette, c);
        ASSERT_NE(i, key) << red_of(c) << "," << green_of(c) << "," << blue_of(c) << " maps to the key";
        worst = std::max(worst, distance(gif.palette[i], c));
    }
    // Within 16 levels per channel even for blends no frame shows (a whole piece edge over
    // a line, text at coverages the font's bitmaps never produce); invisible at one pixel.
    EXPECT_LE(worst, 3 * 16 * 16);
}

}  // namespace
}  // namespace kelvara
