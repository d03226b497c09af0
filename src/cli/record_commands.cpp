#include "cli/commands.h"

#include <iostream>

#include "cli/json_writer.h"
#include "cli/loaded_record.h"
#include "notation/text_record.h"
#include "platform/encoding.h"

namespace kelvara::cli {

namespace {

struct Loaded {
    GameRecord game;
    MoveList list;
    OpenOutcome outcome;
};

bool load(const std::string& path, Loaded& r) {
    auto outcome = load_record(path, r.game, r.list);
    if (outcome) r.outcome = *outcome;
    return outcome.has_value();
}

void print_json(const Loaded& r) {
    std::cout << "{\"title\": " << json_string(gbk_to_utf8(r.game.title))
              << ", \"fen\": " << json_string(gbk_to_utf8(r.game.fen_start)) << ", \"moves\": [";
    const auto& moves = r.game.moves;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const MoveRecord& m = moves[i];
        std::cout << (i ? ", " : "") << "{\"piece\": " << int(m.piece) << ", \"from\": [" << int(m.from_row) << ", "
                  << int(m.from_column) << "], \"to\": [" << int(m.to_row) << ", " << int(m.to_column)
                  << "], \"text\": " << json_string(gbk_to_utf8(r.list.rows()[i].text)) << "}";
    }
    std::cout << "], \"stopped\": ";
    if (const auto& stop = r.outcome.stop)
        std::cout << "{\"move\": " << stop->move << ", \"reason\": " << json_string(gbk_to_utf8(describe(*stop))) << "}";
    else
        std::cout << "null";
    std::cout << "}\n";
}

}  // namespace

int moves_command(Args& args) {
    if (args.files.size() != 1) {
        std::cerr << "usage: kelvara-cli moves [--json] FILE\n";
        return 2;
    }
    Loaded record;
    if (!load(args.files[0], record)) return 1;
    if (args.has("--json")) {
        print_json(record);
    } else {
        for (const auto& row : record.list.rows()) std::cout << gbk_to_utf8(row.text) << '\n';
    }
    return 0;
}

int text_command(Args& args) {
    if (args.files.size() != 1) {
        std::cerr << "usage: kelvara-cli text FILE\n";
        return 2;
    }
    Loaded record;
    if (!load(args.files[0], record)) return 1;
    std::cout << gbk_to_utf8(text_record(record.list.rows(), record.game.fen_start)) << '\n';
    return 0;
}

}  // namespace kelvara::cli
