#include "platform/png_codec.h"

#include <png.h>

#include <cstring>

namespace kelvara {

namespace {

constexpr std::uint32_t kMaxSide = 16384;  // larger pictures are not ours: refuse them

struct ReadCursor {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

void read_from_span(png_structp png, png_bytep out, png_size_t length) {
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (cursor->bytes.size() - cursor->offset < length) png_error(png, "truncated PNG");
    std::memcpy(out, cursor->bytes.data() + cursor->offset, length);
    cursor->offset += length;
}

void write_to_vector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void ignore_warning(png_structp, png_const_charp) {}

// A damaged picture is reported by the result, not on standard error.
[[noreturn]] void quiet_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// libpng reports errors by longjmp back to the setjmp here; the objects these functions
// fill belong to the caller, so no destructor is skipped on the way.
bool read_rgba(png_structp png, png_infop info, ReadCursor& cursor, std::vector<std::uint8_t>& rgba,
               std::vector<png_bytep>& rows, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &cursor, read_from_span);
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
    // Everything becomes 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    rgba.resize(static_cast<std::size_t>(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.data() + static_cast<std::size_t>(y) * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

bool write_rows(png_structp png, png_infop info, std::vector<std::uint8_t>& out, int width, int height,
                int colour_type, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, write_to_vector, nullptr);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, colour_type,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::optional<Image> decode_png(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quiet_error, ignore_warning);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    ReadCursor cursor{bytes};
    std::vector<std::uint8_t> rgba;
    std::vector<png_bytep> rows;
    png_uint_32 width = 0, height = 0;
    const bool ok = info && read_rgba(png, info, cursor, rgba, rows, width, height);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) return std::nullopt;

    Image image(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = argb(rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2], rgba[i * 4 + 3]);
    return image;
}

std::vector<std::uint8_t> encode_png(const Image& image, PngChannels channels) {
    const std::size_t stride = channels == PngChannels::Rgba ? 4 : 3;
    std::vector<std::uint8_t> bytes(image.pixels.size() * stride);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Argb p = image.pixels[i];
        std::uint8_t* b = &bytes[i * stride];
        b[0] = static_cast<std::uint8_t>(red_of(p));
        b[1] = static_cast<std::uint8_t>(green_of(p));
        b[2] = static_cast<std::uint8_t>(blue_of(p));
        if (stride == 4) b[3] = static_cast<std::uint8_t>(alpha_of(p));
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) rows[y] = bytes.data() + static_cast<std::size_t>(y) * image.width * stride;
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quiet_error, ignore_warning);
    if (!png) return out;
    png_infop info = png_create_info_struct(png);
    const int colour_type = channels == PngChannels::Rgba ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    if (!info || !write_rows(png, info, out, image.width, image.height, colour_type, rows)) out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace kelvara
