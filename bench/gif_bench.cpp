// How fast the animation of a game is made, from the game to the file on disk.
// Reports time per move and pictures per second for corpus games of different lengths.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "export/animation_palette.h"
#include "export/gif_maker.h"
#include "record/open_record.h"

namespace {

using namespace kelvara;

std::filesystem::path corpus() {
    const char* env = std::getenv("KELVARA_CORPUS_DIR");
    return env ? env : KELVARA_DEFAULT_CORPUS;
}

void make_gif(benchmark::State& state, const char* file) {
    const auto path = corpus() / "pgn" / file;
    GifJob job;
    MoveList list;
    if (!open_record(path, job.game, list).opened) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    job.title = job.game.title;
    job.output_folder = std::filesystem::temp_directory_path() / "kelvara-bench";
    job.output_stem = "bench";
    const Palette palette = load_animation_palette();
    const auto moves = static_cast<double>(job.game.moves.size());
    for (auto _ : state) {
        GifMaker maker(palette);
        benchmark::DoNotOptimize(maker.make(job));
    }
    state.counters["moves"] = moves;
    state.counters["per_move"] =
        benchmark::Counter(moves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["pictures_per_s"] = benchmark::Counter(moves + 1, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_CAPTURE(make_gif, moves_23, "walker-zhongpao-liepao.pgn")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(make_gif, moves_103, "xqbase-ccgc22-prefixes.pgn")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(make_gif, moves_221, "xqbase-ccgc23-tianji-221ply.pgn")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(make_gif, moves_347, "xqbase-bugchess-bg4-bg15-347ply.pgn")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(make_gif, moves_543, "xqr-2009-jiangchuan-543ply-utf8.pgn")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
