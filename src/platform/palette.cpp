#include "platform/palette.h"

#include <limits>

namespace kelvara {

namespace {

constexpr std::size_t kInitialSlots = 1024;

std::size_t slot_of(std::uint32_t rgb, std::size_t mask) { return (rgb * 2654435761u) & mask; }

}  // namespace

PaletteMapper::PaletteMapper(const Palette& palette)
    : palette_(palette), keys_(kInitialSlots, 0), values_(kInitialSlots, 0) {}

std::uint8_t PaletteMapper::nearest(Argb colour) const {
    const int r = red_of(colour), g = green_of(colour), b = blue_of(colour);
    int best = 0;
    int best_distance = std::numeric_limits<int>::max();
    for (int i = 0; i < 256; ++i) {
        const int dr = r - palette_[i].red, dg = g - palette_[i].green, db = b - palette_[i].blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < best_distance) {  // strictly less: the first entry wins a tie
            best_distance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint8_t PaletteMapper::index_of(Argb colour) {
    const std::uint32_t key = (colour & 0xFFFFFFu) + 1;
    if (key == last_key_) return last_index_;
    last_key_ = key;
    std::size_t mask = keys_.size() - 1;
    for (std::size_t s = slot_of(key, mask);; s = (s + 1) & mask) {
        if (keys_[s] == key) return last_index_ = values_[s];
        if (keys_[s] == 0) break;
    }
    const std::uint8_t index = nearest(colour);
    if (2 * (used_ + 1) > keys_.size()) {  // keep the table at most half full
        std::vector<std::uint32_t> old_keys(keys_.size() * 2, 0);
        std::vector<std::uint8_t> old_values(keys_.size() * 2, 0);
        old_keys.swap(keys_);
        old_values.swap(values_);
        mask = keys_.size() - 1;
        for (std::size_t i = 0; i < old_keys.size(); ++i) {
            if (old_keys[i] == 0) continue;
            std::size_t s = slot_of(old_keys[i], mask);
            while (keys_[s] != 0) s = (s + 1) & mask;
            keys_[s] = old_keys[i];
            values_[s] = old_values[i];
        }
    }
    std::size_t s = slot_of(key, mask);
    while (keys_[s] != 0) s = (s + 1) & mask;
    keys_[s] = key;
    values_[s] = index;
    ++used_;
    return last_index_ = index;
}

}  // namespace kelvara
