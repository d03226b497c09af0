#include "palette/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace kelvara::generator {

namespace {

int append_bytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};
using GifWriter = std::unique_ptr<GifFileType, GifCloser>;

struct MapCloser {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void check(int status, GifFileType* gif, const char* step) {
    if (status != GIF_OK) throw std::runtime_error(std::string("GIF encoding failed at ") + step + ": " +
                                                   (GifErrorString(gif->Error) ? GifErrorString(gif->Error) : "?"));
}

}  // namespace

std::vector<std::uint8_t> encode_single_frame_gif(int width, int height, const std::vector<std::uint8_t>& indices,
                                                  const Palette& palette, int delay_centiseconds) {
    if (indices.size() != static_cast<std::size_t>(width) * height)
        throw std::runtime_error("GIF encoding: the index count does not match the picture size");
    std::vector<std::uint8_t> bytes;
    int error = 0;
    GifWriter gif(EGifOpen(&bytes, append_bytes, &error));
    if (!gif) throw std::runtime_error("GIF encoding: giflib could not start a file");
    EGifSetGifVersion(gif.get(), true);

    std::unique_ptr<ColorMapObject, MapCloser> map(GifMakeMapObject(kPaletteSize, nullptr));
    for (int i = 0; i < kPaletteSize; ++i)
        map->Colors[i] = GifColorType{static_cast<GifByteType>(red_of(palette[i])),
                                      static_cast<GifByteType>(green_of(palette[i])),
                                      static_cast<GifByteType>(blue_of(palette[i]))};
    // Colour resolution 7 writes the screen flags 0xE7, as the animations carry.
    check(EGifPutScreenDesc(gif.get(), width, height, 7, 0, map.get()), gif.get(), "screen descriptor");

    static constexpr char kLoopName[] = "NETSCAPE2.0";
    static constexpr std::array<GifByteType, 3> kLoopForever = {1, 0, 0};
    check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), gif.get(), "looping extension");
    check(EGifPutExtensionBlock(gif.get(), 11, kLoopName), gif.get(), "looping extension");
    check(EGifPutExtensionBlock(gif.get(), 3, kLoopForever.data()), gif.get(), "looping extension");
    check(EGifPutExtensionTrailer(gif.get()), gif.get(), "looping extension");

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = delay_centiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> control_bytes{};
    EGifGCBToExtension(&control, control_bytes.data());
    check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, control_bytes.data()), gif.get(),
          "graphic control extension");

    check(EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr), gif.get(), "image descriptor");
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::copy_n(indices.begin() + static_cast<std::ptrdiff_t>(y) * width, width, row.begin());
        check(EGifPutLine(gif.get(), row.data(), width), gif.get(), "image data");
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) != GIF_OK) throw std::runtime_error("GIF encoding: the file could not be closed");
    return bytes;
}

}  // namespace kelvara::generator
