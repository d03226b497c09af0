#include "platform/gif_codec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/atomic_file.h"

namespace kelvara {

struct GifWriter::Impl {
    AtomicFileWriter file;
    std::vector<std::uint8_t> buffer;  // giflib writes in small pieces
    GifFileType* gif = nullptr;
    bool failed = false;

    bool flush() {
        if (!buffer.empty() && !file.write(buffer)) failed = true;
        buffer.clear();
        return !failed;
    }
    void close_gif() {
        if (!gif) return;
        int error = 0;
        EGifCloseFile(gif, &error);
        gif = nullptr;
    }
};

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

struct GifMemory {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

int read_memory(GifFileType* gif, GifByteType* out, int length) {
    auto* m = static_cast<GifMemory*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(std::max(length, 0)), m->bytes.size() - m->offset);
    std::memcpy(out, m->bytes.data() + m->offset, n);
    m->offset += n;
    return static_cast<int>(n);
}


int write_output(GifFileType* gif, const GifByteType* data, int length) {
    auto* impl = static_cast<GifWriter::Impl*>(gif->UserData);
    impl->buffer.insert(impl->buffer.end(), data, data + length);
    if (impl->buffer.size() >= kFlushSize && !impl->flush()) return 0;
    return length;
}

}  // namespace

GifWriter::GifWriter() : impl_(std::make_unique<Impl>()) {}

GifWriter::~GifWriter() {
    impl_->close_gif();  // an unfinished file is removed with the temporary file
}

bool GifWriter::open(const std::filesystem::path& path, int width, int height, const Palette& palette,
                     int loop_count) {
    if (!impl_->file.open(path)) return false;
    int error = 0;
    impl_->gif = EGifOpen(impl_.get(), write_output, &error);
    if (!impl_->gif) return false;
    EGifSetGifVersion(impl_->gif, true);
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {palette[i].red, palette[i].green, palette[i].blue};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    // Colour resolution 7 bits gives the resolution field 6 of the screen flags 0xE7.
    const bool ok = map && EGifPutScreenDesc(impl_->gif, width, height, 7, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    if (!ok) return false;
    const GifByteType loop[3] = {1, static_cast<GifByteType>(loop_count & 0xFF),
                                 static_cast<GifByteType>((loop_count >> 8) & 0xFF)};
    return EGifPutExtensionLeader(impl_->gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(impl_->gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(impl_->gif, 3, loop) == GIF_OK && EGifPutExtensionTrailer(impl_->gif) == GIF_OK;
}

bool GifWriter::add_picture(std::span<const std::uint8_t> indices, const Rect& rect, int delay,
                            int transparent_index) {
    if (!impl_->gif || impl_->failed || rect.empty() ||
        indices.size() != static_cast<std::size_t>(rect.width()) * rect.height())
        return false;
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.UserInputFlag = false;
    gcb.DelayTime = delay;
    gcb.TransparentColor = transparent_index < 0 ? NO_TRANSPARENT_COLOR : transparent_index;
    GifByteType extension[4];
    EGifGCBToExtension(&gcb, extension);
    if (EGifPutExtension(impl_->gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK) return false;
    if (EGifPutImageDesc(impl_->gif, rect.left, rect.top, rect.width(), rect.height(), false, nullptr) != GIF_OK)
        return false;
    // giflib takes non-const rows but does not change them.
    auto* row = const_cast<GifPixelType*>(indices.data());
    for (int y = 0; y < rect.height(); ++y, row += rect.width())
        if (EGifPutLine(impl_->gif, row, rect.width()) != GIF_OK) return false;
    return !impl_->failed;
}

bool GifWriter::finish() {
    if (!impl_->gif) return false;
    int error = 0;
    const bool closed = EGifCloseFile(impl_->gif, &error) == GIF_OK;  // writes the trailer
    impl_->gif = nullptr;
    return closed && impl_->flush() && impl_->file.commit(AtomicFileWriter::Durability::Unsynced);
}

const FileError& GifWriter::file_error() const { return impl_->file.error(); }

std::optional<Palette> palette_from_gif(std::span<const std::uint8_t> gif_bytes) {
    GifMemory memory{gif_bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&memory, read_memory, &error);
    if (!gif) return std::nullopt;
    std::optional<Palette> palette;
    const ColorMapObject* map = gif->SColorMap;
    if (map && map->ColorCount == 256) {
        palette.emplace();
        for (int i = 0; i < 256; ++i)
            (*palette)[i] = {map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue};
    }
    DGifCloseFile(gif, &error);
    return palette;
}

}  // namespace kelvara
