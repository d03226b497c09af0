#include "platform/bmp_codec.h"

#include <cstdlib>
#include <limits>

namespace kelvara {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::int64_t kMaxSide = 16384;  // larger pictures are not ours: refuse them
constexpr Argb kOpaqueBlack = argb(0, 0, 0);

void put_u16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put_u32(std::uint8_t* p, std::uint32_t v) {
    put_u16(p, v);
    put_u16(p + 2, v >> 16);
}

std::uint32_t get_u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t get_u32(std::span<const std::uint8_t> b, std::size_t at) {
    return get_u16(b, at) | get_u16(b, at + 2) << 16;
}

std::int32_t get_i32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(get_u32(b, at));
}

}  // namespace

std::vector<std::uint8_t> encode_bmp(const Image& image, int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const std::uint64_t pixel_bytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4;
    if (pixel_bytes + kPixelOffset > std::numeric_limits<std::uint32_t>::max()) return {};

    std::vector<std::uint8_t> out(kPixelOffset + pixel_bytes);
    std::uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    put_u32(h + 2, static_cast<std::uint32_t>(out.size()));
    put_u32(h + 10, static_cast<std::uint32_t>(kPixelOffset));
    put_u32(h + 14, static_cast<std::uint32_t>(kInfoHeaderSize));
    put_u32(h + 18, static_cast<std::uint32_t>(width));
    put_u32(h + 22, static_cast<std::uint32_t>(height));  // positive: bottom row first
    put_u16(h + 26, 1);
    put_u16(h + 28, 32);
    put_u32(h + 34, static_cast<std::uint32_t>(pixel_bytes));
    // Compression, resolutions and colour counts stay 0.

    std::uint8_t* p = out.data() + kPixelOffset;
    for (int row = height - 1; row >= 0; --row) {
        const long long y = static_cast<long long>(top) + row;
        const bool row_inside = y >= 0 && y < image.height;
        for (int col = 0; col < width; ++col) {
            const long long x = static_cast<long long>(left) + col;
            const Argb px = row_inside && x >= 0 && x < image.width ? image.at(static_cast<int>(x), static_cast<int>(y))
                                                                    : kOpaqueBlack;
            p[0] = static_cast<std::uint8_t>(blue_of(px));
            p[1] = static_cast<std::uint8_t>(green_of(px));
            p[2] = static_cast<std::uint8_t>(red_of(px));
            p[3] = static_cast<std::uint8_t>(alpha_of(px));
            p += 4;
        }
    }
    return out;
}

std::optional<Image> decode_bmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kPixelOffset || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint64_t data_offset = get_u32(bytes, 10);
    const std::uint64_t header_size = get_u32(bytes, 14);
    const std::int64_t width = get_i32(bytes, 18);
    const std::int64_t signed_height = get_i32(bytes, 22);
    const std::uint32_t planes = get_u16(bytes, 26);
    const std::uint32_t bits = get_u16(bytes, 28);
    const std::uint32_t compression = get_u32(bytes, 30);

    if (header_size < kInfoHeaderSize || kFileHeaderSize + header_size > bytes.size()) return std::nullopt;
    if (data_offset < kFileHeaderSize + header_size) return std::nullopt;
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0) return std::nullopt;
    const std::int64_t height = std::llabs(signed_height);
    if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide) return std::nullopt;

    const std::uint64_t bytes_per_pixel = bits / 8;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;  // rows end on 4 bytes
    if (data_offset > bytes.size() || stride * static_cast<std::uint64_t>(height) > bytes.size() - data_offset)
        return std::nullopt;

    Image image(static_cast<int>(width), static_cast<int>(height));
    bool any_alpha = false;
    for (std::int64_t row = 0; row < height; ++row) {
        const std::int64_t y = signed_height > 0 ? height - 1 - row : row;
        const std::uint8_t* p = bytes.data() + data_offset + static_cast<std::uint64_t>(row) * stride;
        for (std::int64_t x = 0; x < width; ++x, p += bytes_per_pixel) {
            const int a = bits == 32 ? p[3] : 255;
            any_alpha = any_alpha || a != 0;
            image.at(static_cast<int>(x), static_cast<int>(y)) = argb(p[2], p[1], p[0], a);
        }
    }
    if (!any_alpha)
        for (Argb& px : image.pixels) px |= 0xFF000000u;
    return image;
}

}  // namespace kelvara
