#include "platform/gif_codec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace kelvara {

namespace {

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

}  // namespace

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
