#include "platform/bmp_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvara {
namespace {

std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
void put_u32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Image random_opaque_image(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    Image image(w, h);
    for (Argb& p : image.pixels) p = argb(rng() & 0xFF, rng() & 0xFF, rng() & 0xFF);
    return image;
}

TEST(BmpEncode, SnapshotRegionHasTheFixedHeaderAndSize) {
    const Image canvas(260, 330, argb(180, 196, 184));
    const auto bmp = encode_bmp(canvas, 0, 0, 260, 320);
    ASSERT_EQ(bmp.size(), 332854u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    // offset: value (6: both reserved fields; 26: planes and bits per pixel; 30 on: compression,
    // pixel data size, resolutions, colour counts)
    const std::pair<std::size_t, std::uint32_t> fields[] = {{2, 332854}, {6, 0},      {10, 54}, {14, 40}, {18, 260},
                                                            {22, 320},   {26, 1 | 32 << 16}, {30, 0},  {34, 332800},
                                                            {38, 0},     {42, 0},    {46, 0},  {50, 0}};
    for (const auto& [at, value] : fields) EXPECT_EQ(u32_at(bmp, at), value) << "offset " << at;
    EXPECT_EQ(u32_at(bmp, 54), argb(180, 196, 184));  // blue, green, red, 255
}

TEST(BmpEncode, RowsAreStoredBottomRowFirstAsBlueGreenRedAlpha) {
    Image image(2, 2);
    image.at(0, 0) = argb(1, 2, 3);
    image.at(1, 0) = argb(4, 5, 6);
    image.at(0, 1) = argb(7, 8, 9);
    image.at(1, 1) = argb(10, 11, 12);
    const auto bmp = encode_bmp(image, 0, 0, 2, 2);
    const std::vector<std::uint8_t> pixels(bmp.begin() + 54, bmp.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{9, 8, 7, 255, 12, 11, 10, 255, 3, 2, 1, 255, 6, 5, 4, 255}));
}

TEST(BmpEncode, RegionIsClippedAndOutsideIsOpaqueBlack) {
    const Image image(4, 4, argb(200, 100, 50));
    const auto decoded = decode_bmp(encode_bmp(image, 2, -1, 4, 3));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width, 4);
    ASSERT_EQ(decoded->height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(decoded->at(x, y), y >= 1 && x < 2 ? argb(200, 100, 50) : argb(0, 0, 0)) << x << "," << y;
    EXPECT_TRUE(encode_bmp(image, 0, 0, 0, 4).empty());
    EXPECT_TRUE(encode_bmp(image, 0, 0, 4, -1).empty());
}

TEST(BmpDecode, RoundTripsWholePicturesAndRegions) {
    const Image image = random_opaque_image(37, 23, 7);
    EXPECT_EQ(decode_bmp(encode_bmp(image, 0, 0, 37, 23)), image);

    const auto part = decode_bmp(encode_bmp(image, 5, 3, 10, 8));
    ASSERT_TRUE(part);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(part->at(x, y), image.at(x + 5, y + 3));
}

TEST(BmpDecode, ReadsTopDown24BitRowsWithPadding) {
    // 3 x 2 pixels, 24 bits: rows of 9 bytes padded to 12; negative height = top row first.
    std::vector<std::uint8_t> bmp(54 + 24, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    put_u32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    put_u32(bmp, 10, 54);
    put_u32(bmp, 14, 40);
    put_u32(bmp, 18, 3);
    put_u32(bmp, 22, static_cast<std::uint32_t>(-2));
    bmp[26] = 1;
    bmp[28] = 24;
    const std::uint8_t rows[24] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE,
                                   10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    std::copy(rows, rows + 24, bmp.begin() + 54);
    const auto image = decode_bmp(bmp);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->at(0, 0), argb(3, 2, 1));
    EXPECT_EQ(image->at(2, 0), argb(9, 8, 7));
    EXPECT_EQ(image->at(0, 1), argb(12, 11, 10));
    EXPECT_EQ(image->at(2, 1), argb(18, 17, 16));
}

TEST(BmpDecode, AlphaIsKeptUnlessEveryAlphaByteIsZero) {
    Image image(2, 1);
    image.at(0, 0) = argb(10, 20, 30, 0);
    image.at(1, 0) = argb(10, 20, 30, 128);
    EXPECT_EQ(decode_bmp(encode_bmp(image, 0, 0, 2, 1)), image);

    auto bmp = encode_bmp(image, 0, 0, 2, 1);
    bmp[54 + 7] = 0;  // a writer that leaves the fourth byte 0 means opaque pixels
    const auto decoded = decode_bmp(bmp);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->at(0, 0), argb(10, 20, 30));
    EXPECT_EQ(decoded->at(1, 0), argb(10, 20, 30));
}

TEST(BmpDecode, RejectsMalformedFilesWithoutReadingPastThem) {
    const auto good = encode_bmp(random_opaque_image(5, 4, 3), 0, 0, 5, 4);
    ASSERT_TRUE(decode_bmp(good));

    // Every truncation, into the headers or the pixels.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(decode_bmp(cut)) << "cut to " << n << " bytes";
    }

    const auto with = [&](std::size_t at, std::uint32_t value, int width = 4) {
        auto b = good;
        if (width == 4) put_u32(b, at, value);
        else b[at] = static_cast<std::uint8_t>(value), b[at + 1] = static_cast<std::uint8_t>(value >> 8);
        return b;
    };
    EXPECT_FALSE(decode_bmp(with(0, 'X', 2))) << "signature";
    EXPECT_FALSE(decode_bmp(with(18, 100000))) << "huge width";
    EXPECT_FALSE(decode_bmp(with(22, 0x7FFFFFFF))) << "huge height";
    EXPECT_FALSE(decode_bmp(with(22, 0x80000000))) << "most negative height";
    EXPECT_FALSE(decode_bmp(with(18, 0))) << "zero width";
    EXPECT_FALSE(decode_bmp(with(18, static_cast<std::uint32_t>(-5)))) << "negative width";
    EXPECT_FALSE(decode_bmp(with(22, 0))) << "zero height";
    EXPECT_FALSE(decode_bmp(with(22, 40000))) << "more rows than bytes";
    EXPECT_FALSE(decode_bmp(with(28, 8, 2))) << "8 bits";
    EXPECT_FALSE(decode_bmp(with(28, 16, 2))) << "16 bits";
    EXPECT_FALSE(decode_bmp(with(26, 2, 2))) << "planes";
    EXPECT_FALSE(decode_bmp(with(30, 1))) << "run-length compression";
    EXPECT_FALSE(decode_bmp(with(10, static_cast<std::uint32_t>(good.size())))) << "pixels start at the end";
    EXPECT_FALSE(decode_bmp(with(10, 0xFFFFFFF0))) << "pixel offset far past the end";
    EXPECT_FALSE(decode_bmp(with(10, 20))) << "pixels inside the header";
    EXPECT_FALSE(decode_bmp(with(14, 12))) << "old core header";
    EXPECT_FALSE(decode_bmp(with(14, 0xFFFFFF00))) << "header past the end";
}

}  // namespace
}  // namespace kelvara
