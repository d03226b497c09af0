#include "export/gif_maker.h"

#include <algorithm>
#include <cerrno>

#include "export/game_replay.h"
#include "export/picture_delta.h"
#include "export/picture_encoder.h"
#include "export/progress_report.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

constexpr int kMinDelay = 2;  // browsers play 0 and 1 as a tenth of a second
constexpr int kMaxDelay = 65535;

// No error when the folder is there; else why it cannot be made.
FileError make_folder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::error_code is_folder;
    if (std::filesystem::is_directory(folder, is_folder)) return {};
    return FileError::system(ec ? ec.value() : ENOTDIR);
}

}  // namespace

GifMaker::GifMaker(const Palette& palette) : palette_(palette) {}

GifResult GifMaker::make(const GifJob& job) {
    GifResult result;
    result.path = job.output_folder / (job.output_stem + ".gif");
    if (const FileError error = make_folder(job.output_folder)) {
        result.failure = GifResult::Failure::Folder;
        result.error = error;
        return result;
    }
    const PicturePlan plan = plan_pictures(static_cast<int>(job.game.moves.size()), job.start_at_selected_move,
                                           job.selected_row, job.to_move);
    const int scale = board::clamp_scale(job.scale);
    GifWriter writer;
    const bool written = writer.open(result.path, board::kWidth * scale, board::kHeight * scale, palette_, 0) &&
                         write_pictures(job, plan, writer, result.pictures);
    if (job.stop.stop_requested()) {
        result.failure = GifResult::Failure::Stopped;
        return result;  // the writer removes its unfinished file
    }
    if (!written || !writer.finish()) {
        result.failure = GifResult::Failure::File;
        result.error = writer.file_error();
    }
    return result;
}

int animation_pictures(int moves, bool start_at_selected_move, int selected_row) {
    return plan_pictures(moves, start_at_selected_move, selected_row, 0).pictures();
}

bool GifMaker::write_pictures(const GifJob& job, const PicturePlan& plan, GifWriter& writer, int& pictures) {
    const int scale = board::clamp_scale(job.scale);
    GameReplay replay(job.game, job.title, job.author_line, plan, scale);
    PictureDelta delta(palette_, scale);
    PictureEncoder encoder(writer, palette_, std::max(job.threads, 1));
    ProgressReport progress(plan, progress_);
    const int delay = std::clamp(job.frame_delay, kMinDelay, kMaxDelay);
    bool ok = true;
    const auto add = [&](auto picture) {
        ok = encoder.add(std::move(picture), delay);
        replay.picture_taken();
        ++pictures;
        progress.picture_added();
    };
    if (plan.first_move == 0) add(delta.first(replay.picture()));
    while (ok && replay.moves_played() < plan.last_move && !job.stop.stop_requested()) {
        replay.play_next_move();
        const int move = replay.moves_played();
        if (move == plan.first_move)
            add(delta.first(replay.picture()));
        else if (move > plan.first_move)
            add(delta.next(replay.picture(), replay.changed_areas()));
        progress.move_played(move);
    }
    if (job.stop.stop_requested()) return false;
    ok = encoder.finish() && ok;
    progress.finish();
    return ok;
}

std::string output_stem(std::string_view file_name) {
    const auto dot = file_name.rfind('.');
    return std::string(dot == std::string_view::npos ? file_name : file_name.substr(0, dot));
}

}  // namespace kelvara
