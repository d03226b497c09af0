#pragma once
// A whole game analysed from the command line: the engine options every command that asks
// an engine takes (--depth or --movetime, --engine, --threads), and a run that waits for
// every position's answer.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "engine/game_analysis.h"
#include "record/game_record.h"

namespace kelvara::cli {

inline constexpr const char* kEngineOptionsUsage =
    "[--depth D | --movetime MS] [--engine PATH] [--threads T]";

struct EngineRun {
    EngineSettings settings;
    SearchLimit limit;
};

// The engine options of args; nullopt, with args.error set, when they are wrong.
std::optional<EngineRun> engine_options(Args& args);

struct AnalysedGame {
    std::string engine;  // the engine's own name, or its program when it gave none
    std::vector<AnalysedPosition> positions;
};

// Analyses the start and every position of the game; nullopt after a message on standard
// error (naming file) when the engine fails.
std::optional<AnalysedGame> analyse_game(const GameRecord& game, const EngineRun& run, const std::string& file);

}  // namespace kelvara::cli
