#include "platform/png_codec.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

Image sample_picture() {
    Image image(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) image.at(x, y) = argb(x * 36, y * 60, (x + y) * 20, (x * 40 + y * 7) % 256);
    return image;
}

TEST(Png, RoundTripsRgbaPixelsWithTheirAlpha) {
    const Image image = sample_picture();
    const auto png = encode_png(image);
    ASSERT_FALSE(png.empty());
    EXPECT_EQ(decode_png(png), image);
}

TEST(Png, GarbageAndTruncatedBytesGiveNothing) {
    const std::vector<std::uint8_t> garbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', 0, 1, 2};
    EXPECT_FALSE(decode_png(garbage));
    EXPECT_FALSE(decode_png({}));

    const auto png = encode_png(sample_picture());
    for (std::size_t n = 0; n < png.size(); ++n) {
        const std::vector<std::uint8_t> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(decode_png(cut)) << "cut to " << n << " bytes";
    }
}

TEST(Png, DamagedChunkIsRejected) {
    auto png = encode_png(sample_picture());
    png[png.size() - 20] ^= 0x5A;  // inside the image data: its checksum no longer matches
    EXPECT_FALSE(decode_png(png));
}

}  // namespace
}  // namespace kelvara
