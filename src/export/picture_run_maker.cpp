#include "export/picture_run_maker.h"

#include <algorithm>

#include "export/gif_maker.h"
#include "platform/gif_writer.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

constexpr int kMinDelay = 2;  // browsers play 0 and 1 as a tenth of a second
constexpr int kMaxDelay = 65535;

}  // namespace

PictureRunMaker::PictureRunMaker(const GifJob& job, const PicturePlan& plan, const Palette& palette)
    : plan_(plan),
      delay_(std::clamp(job.frame_delay, kMinDelay, kMaxDelay)),
      replay_(job.game, job.title, job.author_line, plan, board::clamp_scale(job.scale)),
      delta_(palette, board::clamp_scale(job.scale)) {}

bool PictureRunMaker::append(const IndexedPicture& p, std::vector<std::uint8_t>& out) {
    return encode_gif_picture(p.indices, p.rect, delay_, p.transparent_index, encoder_, out);
}

bool PictureRunMaker::make(const PictureRun& run, std::vector<std::uint8_t>& out, const std::stop_token& stop) {
    int move = run.first_move;
    if (run.first_move == plan_.first_move) {  // the animation's first picture, whole
        replay_.skip_to(run.first_move);
        if (!append(delta_.first(replay_.picture()), out)) return false;
        replay_.picture_taken();
        ++move;
    } else if (!compared_ || replay_.moves_played() != run.first_move - 1) {
        replay_.skip_to(run.first_move - 1);
        delta_.start(replay_.picture());
        replay_.picture_taken();
    }
    compared_ = true;
    for (; move <= run.last_move; ++move) {
        if (stop.stop_requested()) return false;
        replay_.play_next_move();
        if (!append(delta_.next(replay_.picture(), replay_.changed_areas()), out))
            return false;
        replay_.picture_taken();
    }
    return true;
}

}  // namespace kelvara
