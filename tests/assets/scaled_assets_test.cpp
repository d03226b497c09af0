// Every picture exists for the denser screens too, exactly two and three times as large,
// and looks like the scale-1 picture when brought down to its size.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "asset_pictures.h"
#include "kelvara_assets.h"
#include "platform/scaled_name.h"

namespace kelvara {
namespace {

using test::embedded_picture;

// The mean difference per channel between the two pictures, each averaged over blocks
// of 3 × 3 pixels of scale 1 (text is hinted differently at each size, so single pixels
// differ where glyph strokes fall), counting only blocks mostly opaque in both.
double mean_difference(const Image& one, const Image& scaled, int s) {
    constexpr int kBlock = 3;
    auto block_mean = [](const Image& image, int left, int top, int size, int out[4]) {
        for (int c = 0; c < 4; ++c) out[c] = 0;
        for (int y = top; y < top + size; ++y)
            for (int x = left; x < left + size; ++x) {
                const Argb p = image.at(x, y);
                out[0] += red_of(p), out[1] += green_of(p), out[2] += blue_of(p), out[3] += alpha_of(p);
            }
        for (int c = 0; c < 4; ++c) out[c] /= size * size;
    };
    long total = 0, counted = 0;
    for (int y = 0; y + kBlock <= one.height; y += kBlock)
        for (int x = 0; x + kBlock <= one.width; x += kBlock) {
            int a[4], b[4];
            block_mean(one, x, y, kBlock, a);
            block_mean(scaled, x * s, y * s, kBlock * s, b);
            if (a[3] < 200 || b[3] < 200) continue;
            for (int c = 0; c < 3; ++c) total += std::abs(a[c] - b[c]);
            counted += 3;
        }
    return counted ? static_cast<double>(total) / counted : 0.0;
}

TEST(ScaledAssets, EveryPictureHasItsTwoAndThreeTimesLargerFellows) {
    // Pieces differ by under 6 (their characters are text too); the thin outline text of
    // the larger sizes against the bold bitmap text of 12 pixels by up to 20.
    constexpr double kMostDifference = 25.0;
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KELVARA_ASSETS_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".png" || name.find('@') != std::string::npos) continue;
        ++pictures;
        const Image one = embedded_picture(assets::find(name));
        for (int s : {2, 3}) {
            const std::string scaled_name = scaled_file_name(name, s);
            const auto bytes = assets::find(scaled_name);
            ASSERT_FALSE(bytes.empty()) << scaled_name << " is not compiled in";
            const Image scaled = embedded_picture(bytes);
            EXPECT_EQ(scaled.width, one.width * s) << scaled_name;
            EXPECT_EQ(scaled.height, one.height * s) << scaled_name;
            if (scaled.width == one.width * s && scaled.height == one.height * s) {
                EXPECT_LT(mean_difference(one, scaled, s), kMostDifference) << scaled_name << " does not look like " << name;
            }
        }
    }
    EXPECT_EQ(pictures, 77);
    EXPECT_TRUE(assets::find("board@4x.png").empty());
}

}  // namespace
}  // namespace kelvara
