// How fast the animation of a game is made, from the game to the file on disk, for
// corpus games of different lengths:
//   make_gif/<game>/threads:T   ms per move, pictures per second, the file's size, and the
//                               size gifsicle -O3 gets when it re-optimises the same file
//                               (run once per game, timed apart)
//   make_gif_at_scale/<game>/scale:S   the same on one thread with pictures 2 or 3 times
//                               as large
//   lzw/<game>/<encoder>        the LZW data of the same pictures by the program's encoder
//                               and by giflib's, in ns per pixel and µs per picture
// Run it through bench/run for the figures of one run, peak memory included.

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "export/animation_palette.h"
#include "export/game_replay.h"
#include "export/gif_maker.h"
#include "export/picture_delta.h"
#include "export/picture_plan.h"
#include "platform/lzw_encoder.h"
#include "platform/memory_policy.h"
#include "record/open_record.h"

namespace {

using namespace kelvara;

std::filesystem::path corpus() {
    const char* env = std::getenv("KELVARA_CORPUS_DIR");
    return env ? env : KELVARA_DEFAULT_CORPUS;
}

std::filesystem::path output_folder() { return std::filesystem::temp_directory_path() / "kelvara-bench"; }

const Palette& palette() {
    static const Palette p = load_animation_palette();
    return p;
}

bool load_job(const char* file, GifJob& job) {
    MoveList list;
    if (!open_record(corpus() / "pgn" / file, job.game, list).opened) return false;
    job.title = job.game.title;
    job.output_folder = output_folder();
    job.output_stem = std::filesystem::path(file).stem().string();
    return true;
}

// gifsicle -O3 on the file just made: its size, and how long it took.
std::pair<double, double> gifsicle(const std::filesystem::path& gif) {
    const auto out = output_folder() / "gifsicle.gif";
    const std::string command = "gifsicle -O3 '" + gif.string() + "' -o '" + out.string() + "' 2>/dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return {0, 0};
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return {static_cast<double>(std::filesystem::file_size(out)), took.count()};
}

// The whole job at a number of threads and a scale; gifsicle's figures on one thread.
void time_make_gif(benchmark::State& state, const char* file, int threads, int scale) {
    GifJob job;
    if (!load_job(file, job)) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    job.threads = threads;
    job.scale = scale;
    const auto moves = static_cast<double>(job.game.moves.size());
    GifResult result;
    std::chrono::duration<double, std::milli> wall{};
    const auto path = job.output_folder / (job.output_stem + ".gif");
    for (auto _ : state) {
        // Each run makes a new file, as for a game not animated before: replacing the
        // last run's file would add the system's work of freeing it.
        std::filesystem::remove(path);
        const auto start = std::chrono::steady_clock::now();
        GifMaker maker(palette());
        result = maker.make(job);
        benchmark::DoNotOptimize(result);
        wall += std::chrono::steady_clock::now() - start;
    }
    if (!result.ok()) {
        state.SkipWithError("the file cannot be written");
        return;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["moves"] = moves;
    state.counters["ms_per_move"] = wall.count() / iterations / moves;
    state.counters["pictures_per_s"] = result.pictures * iterations / (wall.count() / 1e3);
    const double bytes = static_cast<double>(std::filesystem::file_size(result.path));
    state.counters["bytes"] = bytes;
    if (job.threads == 1) {
        const auto [optimised, took] = gifsicle(result.path);
        if (optimised > 0) {
            state.counters["gifsicle_bytes"] = optimised;
            state.counters["size_vs_gifsicle"] = bytes / optimised;
            state.counters["gifsicle_ms"] = took;
        }
    }
}

void make_gif(benchmark::State& state, const char* file) {
    time_make_gif(state, file, static_cast<int>(state.range(0)), 1);
}

void make_gif_at_scale(benchmark::State& state, const char* file) {
    time_make_gif(state, file, 1, static_cast<int>(state.range(0)));
}

// The pictures of a game as the maker maps them, ready for LZW.
const std::vector<IndexedPicture>& pictures_of(const char* file) {
    static std::map<std::string, std::vector<IndexedPicture>> made;
    auto& pictures = made[file];
    if (!pictures.empty()) return pictures;
    GifJob job;
    if (!load_job(file, job)) return pictures;
    const PicturePlan plan = plan_pictures(static_cast<int>(job.game.moves.size()), false, -1, 0);
    GameReplay replay(job.game, job.title, job.author_line, plan);
    PictureDelta delta(palette());
    pictures.push_back(delta.first(replay.picture()));
    replay.picture_taken();
    while (replay.moves_played() < plan.last_move) {
        replay.play_next_move();
        pictures.push_back(delta.next(replay.picture(), replay.changed_areas()));
        replay.picture_taken();
    }
    return pictures;
}

int discard(GifFileType*, const GifByteType*, int length) { return length; }

// giflib's encoder on one picture, its blocks thrown away.
void giflib_encode(const IndexedPicture& p) {
    int error = 0;
    GifFileType* gif = EGifOpen(nullptr, discard, &error);
    GifColorType colours[256] = {};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifPutScreenDesc(gif, p.rect.right, p.rect.bottom, 7, 0, map);
    GifFreeMapObject(map);
    EGifPutImageDesc(gif, p.rect.left, p.rect.top, p.rect.width(), p.rect.height(), false, nullptr);
    auto* row = const_cast<GifPixelType*>(p.indices.data());
    for (int y = 0; y < p.rect.height(); ++y, row += p.rect.width()) EGifPutLine(gif, row, p.rect.width());
    EGifCloseFile(gif, &error);
}

void lzw(benchmark::State& state, const char* file, bool ours) {
    const auto& pictures = pictures_of(file);
    if (pictures.empty()) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    LzwEncoder encoder;
    std::vector<std::uint8_t> out;
    double pixels = 0;
    for (const auto& p : pictures) pixels += static_cast<double>(p.indices.size());
    std::chrono::duration<double, std::milli> wall{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& p : pictures) {
            if (ours) {
                out.clear();
                encoder.encode(p.indices, out);
                benchmark::DoNotOptimize(out.data());
            } else {
                giflib_encode(p);
            }
        }
        wall += std::chrono::steady_clock::now() - start;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["ns_per_pixel"] = wall.count() * 1e6 / iterations / pixels;
    state.counters["us_per_picture"] = wall.count() * 1e3 / iterations / static_cast<double>(pictures.size());
    state.counters["pixels_per_picture"] = pixels / static_cast<double>(pictures.size());
}

// The least of the repetitions: this machine's other load only ever adds time.
double least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

constexpr const char* kShort = "walker-zhongpao-liepao.pgn";               // 23 moves
constexpr const char* kMiddle = "xqbase-ccgc22-prefixes.pgn";              // 103 moves
constexpr const char* kLong = "xqbase-ccgc23-tianji-221ply.pgn";           // 221 moves
constexpr const char* kLonger = "xqbase-bugchess-bg4-bg15-347ply.pgn";     // 347 moves
constexpr const char* kLongest = "xqr-2009-jiangchuan-543ply-utf8.pgn";    // 543 moves

BENCHMARK_CAPTURE(make_gif, moves_23, kShort)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(make_gif, moves_103, kMiddle)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(make_gif, moves_221, kLong)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(make_gif, moves_347, kLonger)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(make_gif, moves_543, kLongest)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(make_gif_at_scale, moves_221, kLong)->Arg(2)->Arg(3)->ArgName("scale")->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", least);

BENCHMARK_CAPTURE(lzw, moves_221_ours, kLong, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lzw, moves_221_giflib, kLong, false)->Unit(benchmark::kMillisecond);

}  // namespace

// With the programs' allocator policy, so that each animation finds memory as the
// desktop program and kelvara-cli find it for their second and later animations.
int main(int argc, char** argv) {
    kelvara::keep_freed_memory_for_reuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
