// How fast records in the notations players use are read: one long Chinese game (543
// plies, UTF-8), fifteen games in WXF and in coordinates, and the list of games of a large
// collection (the fifteen games repeated to 1,500) as the game chooser asks for it.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "record/open_record.h"

namespace {

using namespace kelvara;

std::string corpus_bytes(const char* name) {
    const char* env = std::getenv("KELVARA_CORPUS_DIR");
    const std::filesystem::path path = std::filesystem::path(env ? env : KELVARA_DEFAULT_CORPUS) / "pgn" / name;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Reads every game of the file once per iteration.
void read_all_games(benchmark::State& state, const char* name) {
    const std::string bytes = corpus_bytes(name);
    const std::size_t games = list_record_games(bytes, name).size();
    if (games == 0) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    std::size_t plies = 0;
    for (auto _ : state) {
        plies = 0;
        for (std::size_t g = 0; g < games; ++g) {
            GameRecord game;
            MoveList list;
            open_record_bytes(bytes, name, game, list, static_cast<int>(g));
            plies += game.moves.size();
        }
        benchmark::DoNotOptimize(plies);
    }
    state.counters["plies"] = static_cast<double>(plies);
    state.counters["plies_per_second"] =
        benchmark::Counter(static_cast<double>(plies), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(read_all_games, chinese_543_plies, "xqr-2009-jiangchuan-543ply-utf8.pgn")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(read_all_games, wxf_15_games, "wukong-xqdb_international-15games-fullwidth.pgn")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(read_all_games, coordinates_15_games, "wukong-bulk_games_uci-lowercase.pgn")
    ->Unit(benchmark::kMillisecond);

void BM_ListLargeCollection(benchmark::State& state) {
    const std::string fifteen = corpus_bytes("wukong-xqdb_international-15games-fullwidth.pgn");
    if (fifteen.empty()) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    std::string collection;
    for (int i = 0; i < 100; ++i) collection += fifteen + "\n";
    std::size_t games = 0;
    for (auto _ : state) {
        games = list_record_games(collection, "collection.pgn").size();
        benchmark::DoNotOptimize(games);
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["megabytes"] = static_cast<double>(collection.size()) / 1e6;
}
BENCHMARK(BM_ListLargeCollection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
