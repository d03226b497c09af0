#include "cli/engine_run.h"

#include <iostream>

#include "record/played_moves.h"

namespace kelvara::cli {

namespace {

constexpr int kDefaultDepth = 10;
constexpr const char* kDefaultEngine = "fairy-stockfish";

}  // namespace

std::optional<EngineRun> engine_options(Args& args) {
    const auto depth = args.integer("--depth", 1, 99);
    const auto movetime = args.integer("--movetime", 1, 24 * 3600 * 1000);
    const auto threads = args.integer("--threads", 1, 1024);
    if (args.error.empty() && depth && movetime) args.error = "give --depth or --movetime, not both";
    if (!args.error.empty()) return std::nullopt;
    EngineRun run;
    run.settings.program = args.value("--engine").value_or(kDefaultEngine);
    run.settings.threads = threads.value_or(1);
    if (movetime)
        run.limit.movetime_ms = *movetime;
    else
        run.limit.depth = depth.value_or(kDefaultDepth);
    return run;
}

std::optional<AnalysedGame> analyse_game(const GameRecord& game, const EngineRun& run, const std::string& file) {
    EngineClient client(run.settings);
    GameAnalysis analysis(client, game_positions(start_position(game), first_mover(game), played_moves(game)),
                          run.limit);
    std::optional<EngineFailure> failure;
    client.on_update([&analysis](const SearchUpdate& update) { analysis.take(update); });
    client.on_failure([&failure](const EngineFailure& f) { failure = f; });
    if (client.start()) {
        analysis.start();
        while (!analysis.done() && !failure) client.pump(std::chrono::seconds(1));
    }
    if (failure) {
        std::cerr << "kelvara-cli: " << file << ": " << describe(*failure) << '\n';
        return std::nullopt;
    }
    return AnalysedGame{client.name().empty() ? run.settings.program : client.name(), analysis.positions()};
}

}  // namespace kelvara::cli
