#include "palette/colour_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace kelvara::generator {

namespace {

constexpr int kKMeansPasses = 12;

int channel(Argb c, int axis) { return axis == 0 ? red_of(c) : axis == 1 ? green_of(c) : blue_of(c); }

struct Box {
    std::vector<WeightedColour> colours;
    double error = 0;  // weighted sum of squared distances to the box's mean
    int axis = 0;      // the channel of widest weighted spread
};

std::array<double, 3> weighted_mean(const std::vector<WeightedColour>& colours) {
    std::array<double, 3> sum{};
    double total = 0;
    for (const auto& wc : colours) {
        for (int a = 0; a < 3; ++a) sum[a] += static_cast<double>(wc.count) * channel(wc.rgb, a);
        total += static_cast<double>(wc.count);
    }
    for (auto& s : sum) s /= total;
    return sum;
}

Argb rounded(const std::array<double, 3>& m) {
    auto c = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return argb(c(m[0]), c(m[1]), c(m[2]));
}

Box make_box(std::vector<WeightedColour> colours) {
    Box box{std::move(colours)};
    const auto mean = weighted_mean(box.colours);
    std::array<double, 3> spread{};
    for (const auto& wc : box.colours)
        for (int a = 0; a < 3; ++a) {
            const double d = channel(wc.rgb, a) - mean[a];
            spread[a] += static_cast<double>(wc.count) * d * d;
        }
    box.error = spread[0] + spread[1] + spread[2];
    box.axis = static_cast<int>(std::max_element(spread.begin(), spread.end()) - spread.begin());
    return box;
}

// Splits at the weighted median of the widest channel; both halves keep at least one colour.
std::pair<Box, Box> split(const Box& box) {
    std::vector<WeightedColour> colours = box.colours;
    const int axis = box.axis;
    std::sort(colours.begin(), colours.end(), [axis](const WeightedColour& a, const WeightedColour& b) {
        const int ca = channel(a.rgb, axis);
        const int cb = channel(b.rgb, axis);
        return ca != cb ? ca < cb : (a.rgb & 0xFFFFFFu) < (b.rgb & 0xFFFFFFu);
    });
    const std::uint64_t total = std::accumulate(colours.begin(), colours.end(), std::uint64_t{0},
                                                [](std::uint64_t s, const WeightedColour& wc) { return s + wc.count; });
    std::uint64_t running = 0;
    std::size_t cut = 1;
    for (; cut < colours.size(); ++cut) {
        running += colours[cut - 1].count;
        if (running * 2 >= total) break;
    }
    cut = std::clamp<std::size_t>(cut, 1, colours.size() - 1);
    std::vector<WeightedColour> low(colours.begin(), colours.begin() + static_cast<std::ptrdiff_t>(cut));
    std::vector<WeightedColour> high(colours.begin() + static_cast<std::ptrdiff_t>(cut), colours.end());
    return {make_box(std::move(low)), make_box(std::move(high))};
}

std::vector<Argb> median_cut(const std::vector<WeightedColour>& colours, int count) {
    std::vector<Box> boxes;
    boxes.push_back(make_box(colours));
    while (static_cast<int>(boxes.size()) < count) {
        // The box that costs the most error is split next; the first such box on ties.
        std::size_t worst = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].colours.size() > 1 && (worst == boxes.size() || boxes[i].error > boxes[worst].error)) worst = i;
        if (worst == boxes.size()) break;
        auto [low, high] = split(boxes[worst]);
        boxes[worst] = std::move(low);
        boxes.insert(boxes.begin() + static_cast<std::ptrdiff_t>(worst) + 1, std::move(high));
    }
    std::vector<Argb> out;
    for (const auto& box : boxes) out.push_back(rounded(weighted_mean(box.colours)));
    return out;
}

std::size_t nearest(const std::vector<Argb>& entries, Argb c) {
    std::size_t best = 0;
    int best_d = colour_distance(entries[0], c);
    for (std::size_t i = 1; i < entries.size() && best_d > 0; ++i)
        if (const int d = colour_distance(entries[i], c); d < best_d) {
            best = i;
            best_d = d;
        }
    return best;
}

// Moves each free entry to the mean of the colours nearest to it; the fixed entries
// stay and keep their colours. An entry left without colours stays where it is.
void refine(const std::vector<WeightedColour>& colours, const std::vector<Argb>& fixed, std::vector<Argb>& free) {
    for (int pass = 0; pass < kKMeansPasses; ++pass) {
        std::vector<Argb> all = fixed;
        all.insert(all.end(), free.begin(), free.end());
        std::vector<std::array<double, 3>> sums(free.size(), {0, 0, 0});
        std::vector<double> totals(free.size(), 0);
        for (const auto& wc : colours) {
            const std::size_t i = nearest(all, wc.rgb);
            if (i < fixed.size()) continue;
            const std::size_t f = i - fixed.size();
            for (int a = 0; a < 3; ++a) sums[f][a] += static_cast<double>(wc.count) * channel(wc.rgb, a);
            totals[f] += static_cast<double>(wc.count);
        }
        bool moved = false;
        for (std::size_t f = 0; f < free.size(); ++f) {
            if (totals[f] == 0) continue;
            const Argb next = rounded({sums[f][0] / totals[f], sums[f][1] / totals[f], sums[f][2] / totals[f]});
            moved = moved || next != free[f];
            free[f] = next;
        }
        if (!moved) break;
    }
}

}  // namespace

int colour_distance(Argb a, Argb b) {
    const int dr = red_of(a) - red_of(b);
    const int dg = green_of(a) - green_of(b);
    const int db = blue_of(a) - blue_of(b);
    return dr * dr + dg * dg + db * db;
}

std::vector<Argb> reduce_colours(const std::vector<WeightedColour>& histogram, const std::vector<Argb>& fixed,
                                 int free_entries) {
    std::vector<WeightedColour> others;
    for (const auto& wc : histogram) {
        const Argb rgb = argb(red_of(wc.rgb), green_of(wc.rgb), blue_of(wc.rgb));
        if (std::find(fixed.begin(), fixed.end(), rgb) == fixed.end()) others.push_back({rgb, wc.count});
    }
    std::sort(others.begin(), others.end(), [](const WeightedColour& a, const WeightedColour& b) { return a.rgb < b.rgb; });
    if (free_entries <= 0 || others.empty()) return {};
    if (static_cast<int>(others.size()) <= free_entries) {
        std::vector<Argb> exact;
        for (const auto& wc : others) exact.push_back(wc.rgb);
        return exact;
    }
    std::vector<Argb> free = median_cut(others, free_entries);
    refine(others, fixed, free);
    return free;
}

}  // namespace kelvara::generator
