// The move generator's speed: perft of the start position, the count every generator is
// checked against (3,290,240 paths at depth 4).

#include <benchmark/benchmark.h>

#include "board/layouts.h"
#include "board/rules.h"

namespace {

void BM_StartPerft(benchmark::State& state) {
    kelvara::Position board = kelvara::kStandardLayout;
    const int depth = static_cast<int>(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes = kelvara::perft(board, kelvara::Side::Red, depth);
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nodes_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_StartPerft)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
