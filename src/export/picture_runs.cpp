#include "export/picture_runs.h"

#include <algorithm>

namespace kelvara {

namespace {

// The animation's first picture is whole: mapping and encoding it costs about as much as
// this many pictures of a move, so the first run is that much shorter.
constexpr int kFirstPictureWeight = 12;
constexpr int kShortestRun = 2;
constexpr int kLongestRun = 32;

}  // namespace

std::vector<PictureRun> split_pictures(const PicturePlan& plan, int threads) {
    threads = std::max(threads, 1);
    std::vector<PictureRun> runs;
    int next = plan.first_move;
    while (next <= plan.last_move) {
        const int left = plan.last_move - next + 1;
        const int weight = left + (runs.empty() ? kFirstPictureWeight : 0);
        // One thread loses nothing by long runs; several share what is left in halves.
        int length = threads == 1 ? kLongestRun
                                  : std::clamp((weight + 2 * threads - 1) / (2 * threads), kShortestRun, kLongestRun);
        if (runs.empty() && threads > 1) length = std::max(1, length - kFirstPictureWeight);
        length = std::min(length, left);
        runs.push_back({next, next + length - 1});
        next += length;
    }
    return runs;
}

}  // namespace kelvara
