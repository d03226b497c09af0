#include "platform/lzw_encoder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <random>

namespace kelvara {
namespace {

int collect(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// giflib's LZW data for the pixels as one row of a picture: the bytes between its image
// descriptor and the file's trailer.
std::vector<std::uint8_t> giflib_lzw(const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> file;
    int error = 0;
    GifFileType* gif = EGifOpen(&file, collect, &error);
    GifColorType colours[256] = {};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifPutScreenDesc(gif, static_cast<int>(pixels.size()), 1, 8, 0, map);
    GifFreeMapObject(map);
    EGifPutImageDesc(gif, 0, 0, static_cast<int>(pixels.size()), 1, false, nullptr);
    EGifPutLine(gif, const_cast<GifPixelType*>(pixels.data()), static_cast<int>(pixels.size()));
    EGifCloseFile(gif, &error);
    constexpr std::size_t kBefore = 6 + 7 + 3 * 256 + 10;  // header, screen, table, descriptor
    return {file.begin() + kBefore, file.end() - 1};
}

// The encoder's data is giflib's byte for byte — code sizes, clear codes and sub-blocks —
// for pixels that fill the dictionary many times over, long and short runs, a single
// pixel, and every boundary of a 255-byte sub-block.
TEST(LzwEncoder, WritesGiflibsDataByteForByte) {
    std::mt19937 random(11);
    std::vector<std::vector<std::uint8_t>> cases = {{7}, {0, 0}, std::vector<std::uint8_t>(100000, 3)};
    for (int length : {200, 1000, 5000, 40000, 85800}) {
        std::vector<std::uint8_t> noise(length), texture(length), runs(length);
        for (auto& p : noise) p = static_cast<std::uint8_t>(random());
        for (auto& p : texture) p = static_cast<std::uint8_t>(random() % 12 + 40);
        for (int i = 0; i < length;) {  // runs of the key colour with a few pixels between
            const int run = static_cast<int>(random() % 600);
            for (int k = 0; k < run && i < length; ++k) runs[i++] = 255;
            for (int k = 0; k < 4 && i < length; ++k) runs[i++] = static_cast<std::uint8_t>(random() % 8);
        }
        cases.insert(cases.end(), {noise, texture, runs});
    }
    for (int size = 250; size < 300; ++size) cases.emplace_back(size, static_cast<std::uint8_t>(size));  // block edges
    LzwEncoder encoder;  // one encoder for all: nothing may carry over between pictures
    for (const auto& pixels : cases) {
        std::vector<std::uint8_t> ours = {0xAB};  // appended to what is there
        encoder.encode(pixels, ours);
        ASSERT_EQ(ours[0], 0xAB);
        const std::vector<std::uint8_t> theirs = giflib_lzw(pixels);
        ASSERT_TRUE(std::equal(ours.begin() + 1, ours.end(), theirs.begin(), theirs.end())) << pixels.size() << " pixels";
    }
}

}  // namespace
}  // namespace kelvara
