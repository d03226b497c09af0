#pragma once
// A picture in memory: 32-bit pixels 0xAARRGGBB (bytes blue, green, red, alpha on this
// little-endian machine), rows top to bottom, straight (not premultiplied) alpha.

#include <cstdint>
#include <vector>

namespace kelvara {

using Argb = std::uint32_t;

constexpr Argb argb(int r, int g, int b, int a = 255) {
    return (static_cast<Argb>(a) << 24) | (static_cast<Argb>(r) << 16) | (static_cast<Argb>(g) << 8) |
           static_cast<Argb>(b);
}
constexpr int alpha_of(Argb p) { return static_cast<int>(p >> 24); }
constexpr int red_of(Argb p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int green_of(Argb p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int blue_of(Argb p) { return static_cast<int>(p & 0xFF); }

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;

    Image() = default;
    Image(int w, int h, Argb fill = 0) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    bool empty() const { return pixels.empty(); }
    Argb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Argb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace kelvara
