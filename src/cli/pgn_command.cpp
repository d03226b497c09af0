#include <iostream>

#include "cli/commands.h"
#include "cli/engine_run.h"
#include "cli/loaded_record.h"
#include "engine/game_annotation.h"
#include "platform/atomic_file.h"
#include "platform/encoding.h"
#include "record/pgn_writer.h"

namespace kelvara::cli {

namespace {

const std::string kPgnUsage =
    std::string("usage: kelvara-cli pgn [--game N] [--notation chinese|wxf|iccs] [--encoding gbk|utf-8] [-o OUT]\n"
                "                       [--annotate ") +
    kEngineOptionsUsage + "] FILE\n";

std::optional<notation::MoveWriting> notation_named(const std::string& name) {
    using notation::MoveWriting;
    const auto writing = notation::move_writing_named(name);
    if (writing == MoveWriting::Chinese || writing == MoveWriting::Wxf || writing == MoveWriting::Iccs) return writing;
    return std::nullopt;
}

std::optional<PgnEncoding> encoding_named(const std::string& name) {
    if (name == "gbk") return PgnEncoding::Gbk;
    if (name == "utf-8" || name == "utf8") return PgnEncoding::Utf8;
    return std::nullopt;
}

}  // namespace

int pgn_command(Args& args) {
    const std::optional<int> game_index = game_index_option(args);
    PgnOptions options;
    if (const auto n = args.value("--notation")) {
        if (const auto notation = notation_named(*n))
            options.notation = *notation;
        else
            args.error = "--notation takes chinese, wxf or iccs";
    }
    if (const auto e = args.value("--encoding")) {
        if (const auto encoding = encoding_named(*e))
            options.encoding = *encoding;
        else
            args.error = "--encoding takes gbk or utf-8";
    }
    std::optional<EngineRun> run;
    if (args.has("--annotate")) {
        run = engine_options(args);
    } else {
        for (const char* option : {"--depth", "--movetime", "--engine", "--threads"})
            if (args.value(option) && args.error.empty()) args.error = std::string(option) + " goes with --annotate";
    }
    if (!game_index || args.files.size() != 1 || !args.error.empty()) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << kPgnUsage;
        return 2;
    }
    GameRecord game;
    MoveList list;
    if (!load_record(args.files[0], game, list, 0, std::cerr, *game_index)) return 1;
    if (run) {
        // The engine's evaluations and better moves go into the moves' comments.
        const auto analysed = analyse_game(game, *run, args.files[0]);
        if (!analysed) return 1;
        annotate(game, analysed->positions);
        options.extra_tags.emplace_back("Annotator", utf8_to_gbk(analysed->engine));
    }
    const std::string pgn = write_pgn(game, options);
    const auto out = args.value("-o");
    if (!out) {
        std::cout << pgn << std::flush;
        return std::cout ? 0 : 1;
    }
    FileError error;
    if (!write_file_atomically(*out, pgn, &error)) {
        std::cerr << "kelvara-cli: cannot write " << *out << ": " << english_reason(error) << "\n";
        return 1;
    }
    std::cout << *out << "\n";
    return 0;
}

}  // namespace kelvara::cli
