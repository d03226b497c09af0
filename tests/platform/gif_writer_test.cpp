// The program's own GIF writer against giflib: the same bytes for the same pictures,
// whatever the pixels (long runs, noise that fills the dictionary again and again,
// single pixels), and pixels that giflib decodes back unchanged.
#include "platform/gif_writer.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <random>

#include "support/gif_reading.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

struct Picture {
    Rect rect;
    std::vector<std::uint8_t> indices;
    int delay;
    int transparent;
};

Palette grey_palette() {
    Palette p;
    for (int i = 0; i < 256; ++i) p[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    return p;
}

int append_to(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

// The same file made by giflib's encoder.
std::string giflib_file(int width, int height, const Palette& palette, const std::vector<Picture>& pictures) {
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append_to, &error);
    EGifSetGifVersion(gif, true);
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {palette[i].red, palette[i].green, palette[i].blue};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifPutScreenDesc(gif, width, height, 7, 0, map);
    GifFreeMapObject(map);
    const GifByteType loop[3] = {1, 0, 0};
    EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
    EGifPutExtensionBlock(gif, 3, loop);
    EGifPutExtensionTrailer(gif);
    for (const Picture& p : pictures) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.DelayTime = p.delay;
        gcb.TransparentColor = p.transparent < 0 ? NO_TRANSPARENT_COLOR : p.transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&gcb, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        EGifPutImageDesc(gif, p.rect.left, p.rect.top, p.rect.width(), p.rect.height(), false, nullptr);
        auto* row = const_cast<GifPixelType*>(p.indices.data());
        for (int y = 0; y < p.rect.height(); ++y, row += p.rect.width()) EGifPutLine(gif, row, p.rect.width());
    }
    EGifCloseFile(gif, &error);
    return out;
}

std::string our_file(const std::filesystem::path& path, int width, int height, const Palette& palette,
                     const std::vector<Picture>& pictures) {
    GifWriter writer;
    EXPECT_TRUE(writer.open(path, width, height, palette, 0));
    for (const Picture& p : pictures) EXPECT_TRUE(writer.add_picture(p.indices, p.rect, p.delay, p.transparent));
    EXPECT_TRUE(writer.finish());
    return test::read_file(path);
}

// Pictures of the kinds an animation has and of the kinds that stress the dictionary.
std::vector<Picture> test_pictures(int width, int height) {
    std::mt19937 random(14);
    const auto full = [&](auto pixel) {
        Picture p{{0, 0, width, height}, {}, 50, -1};
        for (int i = 0; i < width * height; ++i) p.indices.push_back(static_cast<std::uint8_t>(pixel(i)));
        return p;
    };
    std::vector<Picture> pictures;
    pictures.push_back(full([&](int) { return random() % 256; }));       // noise: a clear every ~3800 codes
    pictures.push_back(full([](int) { return 7; }));                     // one run over everything
    pictures.push_back(full([&](int i) { return i % 97 < 90 ? 3 : random() % 4; }));  // runs between specks
    pictures.push_back(full([&](int i) { return (i / 13) % 2 ? 200 : random() % 3 + 200; }));
    pictures.push_back(full([](int i) { return (i * 7) % 251; }));       // a pattern that repeats
    pictures.push_back(full([&](int) { return random() % 2; }));         // two colours
    pictures.push_back({{5, 9, 6, 10}, {42}, 0, 2});                     // a single pixel
    Picture keyed{{10, 20, 10 + 37, 20 + 41}, {}, 65535, 255};
    for (int i = 0; i < 37 * 41; ++i) keyed.indices.push_back(i % 37 < 30 || i / 37 > 35 ? 255 : random() % 256);
    pictures.push_back(keyed);
    return pictures;
}

TEST(GifWriter, WritesTheBytesGiflibWritesAndGiflibReadsThemBack) {
    test::TempDir dir;
    const Palette palette = grey_palette();
    for (auto [width, height] : {std::pair{260, 330}, {1, 1}, {255, 1}, {3, 700}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        std::vector<Picture> pictures = test_pictures(width, height);
        std::erase_if(pictures, [&](const Picture& p) { return p.rect.right > width || p.rect.bottom > height; });
        const auto path = dir.path() / "ours.gif";
        const std::string ours = our_file(path, width, height, palette, pictures);
        EXPECT_TRUE(ours == giflib_file(width, height, palette, pictures)) << "the bytes differ from giflib's";
        const auto decoded = test::gif_rasters(path);
        ASSERT_EQ(decoded.size(), pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i) EXPECT_TRUE(decoded[i] == pictures[i].indices) << i;
    }
}

TEST(GifWriter, RefusesPicturesThatDoNotFitAndLeavesNoFileWhenUnfinished) {
    test::TempDir dir;
    const auto path = dir.path() / "x.gif";
    {
        GifWriter writer;
        ASSERT_TRUE(writer.open(path, 10, 10, grey_palette(), 0));
        const std::vector<std::uint8_t> four(4, 1);
        EXPECT_FALSE(writer.add_picture(four, {0, 0, 3, 1}, 10, -1));  // indices do not fill it
        EXPECT_FALSE(writer.add_picture({}, {0, 0, 0, 0}, 10, -1));    // empty
        EXPECT_FALSE(writer.add_picture(four, {-1, 0, 1, 4}, 10, -1));  // off the screen
        EXPECT_TRUE(writer.add_picture(four, {0, 0, 2, 2}, 10, -1));
    }  // never finished
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    GifWriter writer;
    EXPECT_FALSE(writer.open(dir.path() / "missing" / "x.gif", 10, 10, grey_palette(), 0));
    EXPECT_EQ(writer.file_error().error_number, ENOENT);
    EXPECT_FALSE(writer.add_picture(std::vector<std::uint8_t>(1, 0), {0, 0, 1, 1}, 10, -1));
    EXPECT_FALSE(writer.finish());
}

}  // namespace
}  // namespace kelvara
