#include "export/gif_maker.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include "export/picture_run_maker.h"
#include "export/picture_runs.h"
#include "export/progress_report.h"
#include "export/run_queue.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

// Runs each thread may be ahead of the writer: enough that a thread seldom waits for a
// slower one, few enough that the runs waiting to be written stay small.
constexpr std::size_t kRunsAheadPerThread = 4;

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

// The caller and threads - 1 helpers make runs of pictures; whichever finishes a run
// writes the runs that are ready, in order, and reports progress as the pictures are
// written, just as if they had been made one after another.
bool GifMaker::write_pictures(const GifJob& job, const PicturePlan& plan, GifWriter& writer, int& pictures) {
    const int threads = std::max(job.threads, 1);
    const std::vector<PictureRun> runs = split_pictures(plan, threads);
    ProgressReport progress(plan, progress_);
    for (int move = 1; move < plan.first_move; ++move) progress.move_played(move);
    RunQueue queue(runs.size(), kRunsAheadPerThread * static_cast<std::size_t>(threads),
                   [&](std::size_t run, std::span<const std::uint8_t> blocks) {
                       if (!writer.add_encoded(blocks)) return false;
                       for (int move = runs[run].first_move; move <= runs[run].last_move; ++move) {
                           ++pictures;
                           progress.picture_added();
                           if (move >= 1) progress.move_played(move);
                       }
                       return true;
                   });
    std::stop_source abandon;  // the job's stop request, or a run that failed
    const std::stop_callback forward(job.stop, [&abandon] { abandon.request_stop(); });
    const auto work = [&] {
        PictureRunMaker maker(job, plan, palette_);
        while (const auto run = queue.take()) {
            std::vector<std::uint8_t> blocks;
            const bool made = maker.make(runs[*run], blocks, abandon.get_token());
            // A run given up or not written ends the job: the others need not go on.
            if (!queue.finish(*run, std::move(blocks), made)) abandon.request_stop();
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < threads && static_cast<std::size_t>(t) < runs.size(); ++t) helpers.emplace_back(work);
        work();
    }  // the helpers are joined here
    if (!queue.complete() || job.stop.stop_requested()) return false;
    progress.finish();
    return true;
}

std::string output_stem(std::string_view file_name) {
    const auto dot = file_name.rfind('.');
    return std::string(dot == std::string_view::npos ? file_name : file_name.substr(0, dot));
}

}  // namespace kelvara
