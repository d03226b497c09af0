#pragma once
// The animation palette: 256 colours that every GIF picture is mapped to, and the
// mapping itself — each colour takes the first entry of smallest squared RGB distance,
// without error diffusion.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/image.h"

namespace kelvara {

struct PaletteColour {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(PaletteColour, PaletteColour) = default;
};

using Palette = std::array<PaletteColour, 256>;

// Maps colours to palette indices, remembering each colour it has mapped. One per thread.
class PaletteMapper {
public:
    explicit PaletteMapper(const Palette& palette);
    const Palette& palette() const { return palette_; }
    std::uint8_t index_of(Argb colour);  // the alpha byte is ignored

private:
    // The index the table of every colour mapped so far holds, or the nearest entry,
    // then remembered there; key is colour + 1.
    std::uint8_t remembered_or_nearest(std::uint32_t key, Argb colour);

    Palette palette_;
    std::array<int, 256> reds_, greens_, blues_;  // the palette by channel, for the search
    // Colours asked recently, as colour + 1 (0: none), by a hash of the colour, and their
    // indices: one look with no search, which most pixels of a picture need.
    static constexpr int kRecentBits = 12;
    std::array<std::uint32_t, 1 << kRecentBits> recent_keys_{};
    std::array<std::uint8_t, 1 << kRecentBits> recent_values_{};
    // Open addressing on the 24-bit colour; a slot holds colour + 1 (0: empty).
    std::vector<std::uint32_t> keys_;
    std::vector<std::uint8_t> values_;
    std::size_t used_ = 0;
};

}  // namespace kelvara
