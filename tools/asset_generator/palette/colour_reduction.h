#pragma once
// Reduces a colour histogram to a few representative colours: median cut for a first
// guess, then k-means passes. No randomness and a fixed order of work, so the result is
// the same on every run.

#include <cstdint>
#include <vector>

#include "platform/image.h"

namespace kelvara::generator {

struct WeightedColour {
    Argb rgb;  // alpha ignored
    std::uint64_t count;
};

// `free_entries` colours that, together with the fixed colours (kept as they are),
// represent the histogram. Fewer when the histogram has fewer other colours.
std::vector<Argb> reduce_colours(const std::vector<WeightedColour>& histogram, const std::vector<Argb>& fixed,
                                 int free_entries);

// Squared distance in red, green and blue.
int colour_distance(Argb a, Argb b);

}  // namespace kelvara::generator
