#include "platform/gif_writer.h"

#include <algorithm>
#include <cstring>

namespace kelvara {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr int kMaxField = 0xFFFF;  // sizes, offsets and delays are 16-bit fields
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kGraphicControl = 0xF9;
constexpr std::uint8_t kApplication = 0xFF;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
// Global table, colour resolution field 6, not sorted, table size field 7 (256 entries).
constexpr std::uint8_t kScreenFlags = 0xE7;

void put_u16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put_text(std::vector<std::uint8_t>& out, const char* text) {
    out.insert(out.end(), text, text + std::strlen(text));
}

}  // namespace

bool encode_gif_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay, int transparent_index,
                        LzwEncoder& encoder, std::vector<std::uint8_t>& out) {
    if (rect.empty() || rect.left < 0 || rect.top < 0 || rect.right > kMaxField || rect.bottom > kMaxField ||
        indices.size() != static_cast<std::size_t>(rect.width()) * rect.height())
        return false;
    const bool transparent = transparent_index >= 0 && transparent_index <= 255;
    out.insert(out.end(), {kExtension, kGraphicControl, 4, static_cast<std::uint8_t>(transparent ? 1 : 0)});
    put_u16(out, std::clamp(delay, 0, kMaxField));
    out.push_back(transparent ? static_cast<std::uint8_t>(transparent_index) : 0xFF);
    out.push_back(0);
    out.push_back(kImage);
    put_u16(out, rect.left);
    put_u16(out, rect.top);
    put_u16(out, rect.width());
    put_u16(out, rect.height());
    out.push_back(0);  // no local table, not interlaced
    encoder.encode(indices, out);
    return true;
}

bool GifWriter::fail() {
    failed_ = true;
    return false;
}

bool GifWriter::flush() {
    if (failed_) return false;
    if (!buffer_.empty() && !file_.write(buffer_)) return fail();
    buffer_.clear();
    return true;
}

bool GifWriter::open(const std::filesystem::path& path, int width, int height, const Palette& palette,
                     int loop_count) {
    open_ = false;
    failed_ = false;
    buffer_.clear();
    if (width <= 0 || height <= 0 || width > kMaxField || height > kMaxField) return false;
    if (!file_.open(path)) return fail();
    put_text(buffer_, "GIF89a");
    put_u16(buffer_, width);
    put_u16(buffer_, height);
    buffer_.insert(buffer_.end(), {kScreenFlags, 0, 0});  // background index 0, no aspect ratio
    for (const PaletteColour& c : palette) buffer_.insert(buffer_.end(), {c.red, c.green, c.blue});
    buffer_.insert(buffer_.end(), {kExtension, kApplication, 11});
    put_text(buffer_, "NETSCAPE2.0");
    buffer_.insert(buffer_.end(), {3, 1});
    put_u16(buffer_, std::clamp(loop_count, 0, kMaxField));
    buffer_.push_back(0);
    open_ = true;
    return true;
}

bool GifWriter::add_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay,
                            int transparent_index) {
    if (!encoder_) encoder_ = std::make_unique<LzwEncoder>();
    picture_.clear();
    if (!encode_gif_picture(indices, rect, delay, transparent_index, *encoder_, picture_)) return false;
    return add_encoded(picture_);
}

bool GifWriter::add_encoded(std::span<const std::uint8_t> blocks) {
    if (!open_ || failed_) return false;
    buffer_.insert(buffer_.end(), blocks.begin(), blocks.end());
    return buffer_.size() < kFlushSize || flush();
}

bool GifWriter::finish() {
    if (!open_ || failed_) return false;
    open_ = false;
    buffer_.push_back(kTrailer);
    if (!flush()) return false;
    if (!file_.commit(AtomicFileWriter::Durability::Unsynced)) return fail();
    return true;
}

}  // namespace kelvara
