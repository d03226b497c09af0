#pragma once
// Makes the pictures of runs of an animation: replays the game on a board of its own,
// compares, maps and encodes each picture, and appends the pictures' GIF blocks to a
// buffer. Runs must come in order; a maker skips the moves between one run and the next
// and starts its comparison afresh from the picture before the run, so each run's blocks
// are what making every picture one after another would give. One maker per thread.

#include <cstdint>
#include <stop_token>
#include <vector>

#include "export/game_replay.h"
#include "export/picture_delta.h"
#include "export/picture_plan.h"
#include "export/picture_runs.h"
#include "platform/lzw_encoder.h"
#include "platform/palette.h"

namespace kelvara {

struct GifJob;

class PictureRunMaker {
public:
    PictureRunMaker(const GifJob& job, const PicturePlan& plan, const Palette& palette);

    // Appends the run's pictures; false when one could not be encoded or a stop was
    // requested (the buffer then holds part of the run).
    bool make(const PictureRun& run, std::vector<std::uint8_t>& out, const std::stop_token& stop);

private:
    bool append(const IndexedPicture& picture, std::vector<std::uint8_t>& out);

    PicturePlan plan_;
    int delay_;
    GameReplay replay_;
    PictureDelta delta_;
    LzwEncoder encoder_;
    bool compared_ = false;  // the delta holds the picture after the last move played
};

}  // namespace kelvara
