#pragma once
// The pictures of an animation in runs of consecutive pictures. A run can be made apart
// from the others by a replay that starts from the picture before it, so several threads
// can each make runs while the file is written in order. Runs shrink towards the end of
// the animation so that the threads finish together, and none is longer than a few dozen
// pictures, which bounds what waits to be written whatever the length of the game.

#include <vector>

#include "export/picture_plan.h"

namespace kelvara {

struct PictureRun {
    int first_move;  // the run's first picture shows the position after this move
    int last_move;   // and its last picture the position after this one
    int pictures() const { return last_move - first_move + 1; }
};

// Runs covering the plan's pictures in order, for threads (1 or more) that take them one
// after another.
std::vector<PictureRun> split_pictures(const PicturePlan& plan, int threads);

}  // namespace kelvara
