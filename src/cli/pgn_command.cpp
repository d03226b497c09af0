#include <iostream>

#include "cli/commands.h"
#include "cli/loaded_record.h"
#include "platform/atomic_file.h"
#include "record/pgn_writer.h"

namespace kelvara::cli {

namespace {

constexpr const char* kPgnUsage =
    "usage: kelvara-cli pgn FILE [--game N] [--notation chinese|iccs] [--encoding gbk|utf-8] [-o OUT]\n";

std::optional<PgnNotation> notation_named(const std::string& name) {
    if (name == "chinese") return PgnNotation::Chinese;
    if (name == "iccs") return PgnNotation::Iccs;
    return std::nullopt;
}

std::optional<PgnEncoding> encoding_named(const std::string& name) {
    if (name == "gbk") return PgnEncoding::Gbk;
    if (name == "utf-8" || name == "utf8") return PgnEncoding::Utf8;
    return std::nullopt;
}

}  // namespace

int pgn_command(Args& args) {
    const auto game_number = args.integer("--game", 1, 1 << 30);
    PgnOptions options;
    if (const auto n = args.value("--notation")) {
        if (const auto notation = notation_named(*n))
            options.notation = *notation;
        else
            args.error = "--notation takes chinese or iccs";
    }
    if (const auto e = args.value("--encoding")) {
        if (const auto encoding = encoding_named(*e))
            options.encoding = *encoding;
        else
            args.error = "--encoding takes gbk or utf-8";
    }
    if (args.files.size() != 1 || !args.error.empty()) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << kPgnUsage;
        return 2;
    }
    GameRecord game;
    MoveList list;
    if (!load_record(args.files[0], game, list, 0, std::cerr, game_number.value_or(1) - 1)) return 1;
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
