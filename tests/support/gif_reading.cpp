#include "support/gif_reading.h"

#include <gif_lib.h>

#include <stdexcept>

namespace kelvara::test {

namespace {

class Reader {
public:
    explicit Reader(const std::string& b) : b_(b) {}
    int u8() {
        if (pos_ >= b_.size()) throw std::runtime_error("GIF ends early");
        return static_cast<unsigned char>(b_[pos_++]);
    }
    int u16() {
        const int lo = u8();
        return lo | (u8() << 8);
    }
    std::string bytes(std::size_t n) {
        if (pos_ + n > b_.size()) throw std::runtime_error("GIF ends early");
        std::string s = b_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    // Sub-blocks up to the terminator; returns their joined contents.
    std::string sub_blocks() {
        std::string out;
        for (int n = u8(); n != 0; n = u8()) out += bytes(static_cast<std::size_t>(n));
        return out;
    }
    bool at_end() const { return pos_ >= b_.size(); }

private:
    const std::string& b_;
    std::size_t pos_ = 0;
};

}  // namespace

GifLayout read_gif_layout(const std::string& bytes) {
    GifLayout g;
    Reader r(bytes);
    g.signature = r.bytes(6);
    g.width = r.u16();
    g.height = r.u16();
    g.flags = r.u8();
    g.background = r.u8();
    g.aspect = r.u8();
    if (g.flags & 0x80)
        for (int i = 0; i < (2 << (g.flags & 7)); ++i) {
            const int red = r.u8(), green = r.u8(), blue = r.u8();
            if (i < 256) g.palette[i] = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
        }
    GifPicture pending{};
    while (!r.at_end()) {
        const int block = r.u8();
        if (block == 0x3B) {
            g.trailer = true;
            break;
        }
        if (block == 0x21) {
            const int label = r.u8();
            if (label == 0xF9) {
                const int size = r.u8();
                if (size != 4) throw std::runtime_error("graphic control block size");
                const int flags = r.u8();
                pending.delay = r.u16();
                pending.transparent_index = r.u8();
                pending.transparent = flags & 1;
                pending.disposal = (flags >> 2) & 7;
                if (r.u8() != 0) throw std::runtime_error("graphic control terminator");
            } else if (label == 0xFF) {
                const std::string id = r.bytes(static_cast<std::size_t>(r.u8()));
                const std::string data = r.sub_blocks();
                if (id == "NETSCAPE2.0" && data.size() == 3 && data[0] == 1) {
                    g.looping = true;
                    g.loop_count = static_cast<unsigned char>(data[1]) | (static_cast<unsigned char>(data[2]) << 8);
                } else {
                    ++g.other_extensions;
                }
            } else {
                r.sub_blocks();
                ++g.other_extensions;
            }
        } else if (block == 0x2C) {
            pending.left = r.u16();
            pending.top = r.u16();
            pending.width = r.u16();
            pending.height = r.u16();
            const int flags = r.u8();
            pending.local_table = flags & 0x80;
            pending.lzw_minimum = r.u8();
            r.sub_blocks();
            g.pictures.push_back(pending);
            pending = {};
        } else {
            throw std::runtime_error("unknown GIF block");
        }
    }
    return g;
}

namespace {

// The whole file read by giflib; the caller closes it.
GifFileType* slurp(const std::filesystem::path& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) throw std::runtime_error("giflib cannot open the GIF");
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        throw std::runtime_error("giflib cannot read the GIF");
    }
    return gif;
}

}  // namespace

std::vector<std::vector<std::uint8_t>> compose_gif(const std::filesystem::path& path) {
    int error = 0;
    GifFileType* gif = slurp(path);
    std::vector<std::vector<std::uint8_t>> frames;
    std::vector<std::uint8_t> screen(static_cast<std::size_t>(gif->SWidth) * gif->SHeight, 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const std::uint8_t index = image.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
                if (gcb.TransparentColor != NO_TRANSPARENT_COLOR && index == gcb.TransparentColor) continue;
                screen[static_cast<std::size_t>(d.Top + y) * gif->SWidth + d.Left + x] = index;
            }
        frames.push_back(screen);
    }
    DGifCloseFile(gif, &error);
    return frames;
}

std::vector<std::vector<std::uint8_t>> gif_rasters(const std::filesystem::path& path) {
    int error = 0;
    GifFileType* gif = slurp(path);
    std::vector<std::vector<std::uint8_t>> rasters;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const auto size = static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height;
        rasters.emplace_back(image.RasterBits, image.RasterBits + size);
    }
    DGifCloseFile(gif, &error);
    return rasters;
}

std::uint8_t first_nearest(const Palette& palette, Argb colour) {
    int best = 0, best_d = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int dr = red_of(colour) - palette[i].red, dg = green_of(colour) - palette[i].green,
                  db = blue_of(colour) - palette[i].blue;
        if (dr * dr + dg * dg + db * db < best_d) best_d = dr * dr + dg * dg + db * db, best = i;
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace kelvara::test
