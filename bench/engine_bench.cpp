// How fast games are analysed with fairy-stockfish at depth 10, as kelvara-cli analyse
// and the window's whole-game analysis run it: one engine started per game, every
// position asked in turn. Reports positions per second and the time of a whole game of
// about 100 plies and one of 200 plies.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "engine/game_analysis.h"
#include "record/open_record.h"
#include "record/played_moves.h"

namespace {

using namespace kelvara;

std::filesystem::path corpus() {
    const char* env = std::getenv("KELVARA_CORPUS_DIR");
    return env ? env : KELVARA_DEFAULT_CORPUS;
}

void analyse_game(benchmark::State& state, const char* file, std::size_t plies) {
    GameRecord game;
    MoveList list;
    if (!open_record(corpus() / "pgn" / file, game, list).opened) {
        state.SkipWithError("the corpus is absent (../shared/corpus)");
        return;
    }
    if (!find_program("fairy-stockfish")) {
        state.SkipWithError("fairy-stockfish is not installed");
        return;
    }
    std::vector<Move> moves = played_moves(game);
    moves.resize(std::min(moves.size(), plies));
    const auto positions = game_positions(start_position(game), first_mover(game), moves);
    const int depth = static_cast<int>(state.range(0));
    EngineSettings settings;
    settings.program = "fairy-stockfish";
    for (auto _ : state) {
        EngineClient client(settings);
        GameAnalysis analysis(client, positions, SearchLimit{.depth = depth});
        bool failed = false;
        client.on_update([&](const SearchUpdate& u) { analysis.take(u); });
        client.on_failure([&](const EngineFailure&) { failed = true; });
        client.start();
        analysis.start();
        while (!analysis.done() && !failed) client.pump(std::chrono::seconds(1));
        if (failed) {
            state.SkipWithError("the engine failed");
            return;
        }
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["positions_per_second"] = benchmark::Counter(static_cast<double>(positions.size()),
                                                                benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Analyse102Plies(benchmark::State& state) { analyse_game(state, "walker-test2-102ply.pgn", 102); }
void BM_Analyse200Plies(benchmark::State& state) { analyse_game(state, "hbsxcjp-wuyangbei1989-221ply.pgn", 200); }

BENCHMARK(BM_Analyse102Plies)->Arg(10)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_Analyse200Plies)->Arg(10)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
