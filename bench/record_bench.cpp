// Reading and writing records with many moves and lines: an XQF as large as the biggest
// real ones (a main line of 100,000 plies with an alternative at every ply, 200,000
// records), its PGN, and the corpus's CBL library.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "record/cbr_reader.h"
#include "record/pgn_writer.h"
#include "record/xqf_reader.h"

namespace {

using namespace kelvara;

// A version 12 XQF with zero keys: the piece table turned by one entry, 4-byte records.
// The main line shuffles both right horses back and forth; each ply has the left horse's
// move as its alternative.
std::string big_xqf(int plies) {
    constexpr int kTable[32] = {80, 70, 60, 50, 40, 30, 20, 10, 0,  72, 12, 83, 63, 43, 23, 3,
                                9,  19, 29, 39, 49, 59, 69, 79, 89, 17, 77, 6,  26, 46, 66, 86};
    std::string bytes(0x400, '\0');
    bytes[0] = 'X';
    bytes[1] = 'Q';
    bytes[2] = 12;
    for (int i = 0; i < 32; ++i) bytes[0x10 + (i + 31) % 32] = static_cast<char>(kTable[i]);
    auto record = [&](int from, int to, int tag) {
        bytes += static_cast<char>(from + 24);
        bytes += static_cast<char>(to + 32);
        bytes += static_cast<char>(tag);
        bytes += '\0';
    };
    record(0, 0, 0x80);
    // h0-g2, h9-g7, g2-h0, g7-h9 (file * 10 + rank); alternatives b0-c2 and b9-c7.
    constexpr int kMain[4][2] = {{70, 62}, {79, 67}, {62, 70}, {67, 79}};
    for (int i = 0; i < plies; ++i) record(kMain[i % 4][0], kMain[i % 4][1], (i + 1 < plies ? 0x80 : 0) | 0x40);
    for (int i = plies - 1; i >= 0; --i) record(i % 2 == 0 ? 10 : 19, i % 2 == 0 ? 22 : 27, 0);
    return bytes;
}

const std::string& big_record() {
    static const std::string bytes = big_xqf(100000);
    return bytes;
}

void BM_ReadLargeXqf(benchmark::State& state) {
    for (auto _ : state) {
        GameRecord game;
        MoveList list;
        const auto stop = read_xqf_record(big_record(), game, list);
        if (stop || game.moves.size() != 100000 || game.variation_count() != 100000) state.SkipWithError("misread");
        benchmark::DoNotOptimize(game);
    }
    state.counters["records"] = 200001;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * big_record().size()));
}
BENCHMARK(BM_ReadLargeXqf)->Unit(benchmark::kMillisecond);

void BM_WriteLargePgn(benchmark::State& state) {
    GameRecord game;
    MoveList list;
    read_xqf_record(big_record(), game, list);
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string pgn = write_pgn(game);
        size = pgn.size();
        benchmark::DoNotOptimize(pgn);
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_WriteLargePgn)->Unit(benchmark::kMillisecond);

std::string corpus_file(const char* relative) {
    const char* dir = std::getenv("KELVARA_CORPUS_DIR");
    std::ifstream in(std::filesystem::path(dir ? dir : KELVARA_DEFAULT_CORPUS) / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Listing a library reads every game once; opening one reads that game.
void BM_ListCblLibrary(benchmark::State& state) {
    const std::string bytes = corpus_file("cbl/walker-1989-longhua-cup-38.cbl");
    if (bytes.empty()) {
        state.SkipWithError("the corpus's CBL library is absent");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(list_cbl_games(bytes));
}
BENCHMARK(BM_ListCblLibrary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
