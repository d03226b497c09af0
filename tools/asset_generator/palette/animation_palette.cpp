#include "palette/animation_palette.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "palette/colour_reduction.h"

namespace kelvara::generator {

namespace {

Argb opaque(Argb c) { return c | 0xFF000000u; }

std::vector<WeightedColour> histogram(const std::vector<Image>& boards) {
    std::map<Argb, std::uint64_t> counts;  // ordered, so the reduction sees the same sequence every run
    for (const Image& board : boards)
        for (Argb p : board.pixels) ++counts[opaque(p)];
    std::vector<WeightedColour> out;
    out.reserve(counts.size());
    for (const auto& [rgb, count] : counts) out.push_back({rgb, count});
    return out;
}

std::string rgb_text(Argb c) {
    return "(" + std::to_string(red_of(c)) + ", " + std::to_string(green_of(c)) + ", " + std::to_string(blue_of(c)) +
           ")";
}

void check_key_unreached(const Palette& palette, const std::vector<WeightedColour>& colours) {
    for (const auto& wc : colours)
        if (nearest_entry(palette, wc.rgb) == kKeyIndex)
            throw std::runtime_error("board colour " + rgb_text(wc.rgb) +
                                     " maps to the transparency key entry of the palette");
}

}  // namespace

Palette build_animation_palette(const std::vector<Image>& boards, const std::vector<Argb>& exact) {
    std::vector<Argb> fixed;
    for (Argb c : exact)
        if (std::find(fixed.begin(), fixed.end(), opaque(c)) == fixed.end()) fixed.push_back(opaque(c));
    if (std::find(fixed.begin(), fixed.end(), kKeyColour) != fixed.end())
        throw std::runtime_error("the key colour cannot be one of the board's exact colours");
    const int free_count = kKeyIndex - static_cast<int>(fixed.size());
    if (free_count < 0) throw std::runtime_error("too many exact colours for the palette");

    const std::vector<WeightedColour> colours = histogram(boards);
    std::vector<Argb> free = reduce_colours(colours, fixed, free_count);
    std::sort(free.begin(), free.end());

    Palette palette;
    // Entries the board needs fewer of repeat the first colour: harmless under first-wins.
    palette.fill(fixed.empty() ? argb(0, 0, 0) : fixed.front());
    std::copy(fixed.begin(), fixed.end(), palette.begin());
    std::copy(free.begin(), free.end(), palette.begin() + static_cast<std::ptrdiff_t>(fixed.size()));
    palette[kKeyIndex] = kKeyColour;
    check_key_unreached(palette, colours);
    return palette;
}

int nearest_entry(const Palette& palette, Argb colour) {
    int best = 0;
    int best_d = colour_distance(palette[0], colour);
    for (int i = 1; i < kPaletteSize && best_d > 0; ++i)
        if (const int d = colour_distance(palette[i], colour); d < best_d) {
            best = i;
            best_d = d;
        }
    return best;
}

std::vector<std::uint8_t> map_to_palette(const Image& image, const Palette& palette) {
    std::unordered_map<Argb, std::uint8_t> cache;
    std::vector<std::uint8_t> out;
    out.reserve(image.pixels.size());
    for (Argb p : image.pixels) {
        const Argb rgb = opaque(p);
        auto it = cache.find(rgb);
        if (it == cache.end()) it = cache.emplace(rgb, static_cast<std::uint8_t>(nearest_entry(palette, rgb))).first;
        out.push_back(it->second);
    }
    return out;
}

}  // namespace kelvara::generator
