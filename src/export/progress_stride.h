#pragma once
// How the maker window's progress bar grows: one step of width d pixels after every k-th
// move and every k-th picture, chosen so that each of the two runs over the game adds
// about 100 pixels.

namespace kelvara {

struct ProgressStride {
    int every;  // k: 1 to 11
    int width;  // d: pixels per step
};

ProgressStride progress_stride(int moves);

}  // namespace kelvara
