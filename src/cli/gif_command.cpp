#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "app/settings.h"
#include "cli/commands.h"
#include "cli/loaded_record.h"
#include "cli/output_names.h"
#include "export/animation_palette.h"
#include "export/gif_maker.h"
#include "platform/app_paths.h"
#include "platform/encoding.h"

namespace kelvara::cli {

namespace {

constexpr const char* kUsage =
    "usage: kelvara-cli gif FILE... [-o DIR] [--game N] [--from-move N] [--to-move M] [--delay CS] [--flip] "
    "[--title T] [--author A] [--scale 1|2|3] [--jobs N]\n";

struct GifOptions {
    std::filesystem::path folder;
    int from_move = 0;  // 0: from the start of the game
    int to_move = 0;    // 0: to its end
    int delay = 100;
    int threads = 1;    // for the pictures of one animation
    int scale = 1;
    int flip_state = 0;
    int game_index = 0;                // which game of each file
    std::optional<std::string> title;  // GBK
    std::string author;                // GBK
};

// Makes one record's animation into options.folder/stem.gif; messages go to out and
// errors. False on failure.
bool make_one(const std::string& path, const std::string& stem, const GifOptions& options, const Palette& palette,
              std::ostream& out, std::ostream& errors) {
    GifJob job;
    MoveList list;
    const auto opened = load_record(path, job.game, list, options.flip_state, errors, options.game_index);
    if (!opened) return false;
    job.title = options.title.value_or(job.game.title);
    job.author_line = author_line(options.author);
    job.frame_delay = options.delay;
    if (options.from_move > 0) {
        if (options.from_move > list.row_count()) {
            errors << "kelvara-cli: " << path << " has " << list.row_count() << " moves, not " << options.from_move
                   << "\n";
            return false;
        }
        job.start_at_selected_move = true;
        job.selected_row = options.from_move - 1;
    }
    if (options.to_move > list.row_count()) {
        errors << "kelvara-cli: " << path << " has " << list.row_count() << " moves, not " << options.to_move
               << "\n";
        return false;
    }
    job.to_move = options.to_move;
    job.threads = options.threads;
    job.scale = options.scale;
    job.output_folder = options.folder;
    job.output_stem = stem + game_name_suffix(*opened);
    const GifResult result = GifMaker(palette).make(job);
    if (!result.ok()) {
        errors << "kelvara-cli: cannot write "
               << (result.failure == GifResult::Failure::Folder ? options.folder : result.path).string();
        if (result.error) errors << ": " << english_reason(result.error);
        errors << "\n";
        return false;
    }
    out << result.path.string() << "\n";
    return true;
}

}  // namespace

int gif_command(Args& args) {
    GifOptions options;
    const Settings settings = load_settings(settings_file_path(executable_dir()));
    options.delay = settings.frame_delay;
    options.author = settings.author;
    const auto from_move = args.integer("--from-move", 1, 1 << 30);
    const auto to_move = args.integer("--to-move", 1, 1 << 30);
    const auto delay = args.integer("--delay", -(1 << 30), 1 << 30);
    const auto jobs = args.integer("--jobs", 1, 256);
    const auto game = game_index_option(args);
    const int scale = picture_scale(args);
    if (args.error.empty() && from_move && to_move && *to_move < *from_move)
        args.error = "--to-move must not come before --from-move";
    if (args.files.empty() || !args.error.empty()) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << kUsage;
        return 2;
    }
    options.from_move = from_move.value_or(0);
    options.game_index = *game;
    options.scale = scale;
    options.to_move = to_move.value_or(0);
    options.delay = delay.value_or(options.delay);
    options.flip_state = args.has("--flip") ? 1 : 0;
    if (auto t = args.value("--title")) options.title = utf8_to_gbk(*t);
    if (auto a = args.value("--author")) options.author = utf8_to_gbk(*a);
    options.folder = args.value("-o").value_or(output_folder(executable_dir()).string());

    const Palette palette = load_animation_palette();  // read-only, shared by the threads
    // Records of the same name from different folders must not overwrite each other.
    const std::vector<std::string> stems = distinct_output_stems(args.files);
    const int cores = jobs.value_or(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    const int threads = std::min<int>(static_cast<int>(args.files.size()), cores);
    // Cores the records leave idle go to the pictures of each animation.
    options.threads = std::max(1, cores / threads);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex print;
    auto worker = [&] {
        for (std::size_t i = next++; i < args.files.size(); i = next++) {
            std::ostringstream out, errors;
            if (!make_one(args.files[i], stems[i], options, palette, out, errors)) failed = true;
            const std::lock_guard lock(print);
            std::cerr << errors.str();
            std::cout << out.str() << std::flush;
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (auto& t : pool) t.join();
    return failed ? 1 : 0;
}

}  // namespace kelvara::cli
