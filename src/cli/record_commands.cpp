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

bool load(const std::string& path, int game_index, Loaded& r) {
    auto outcome = load_record(path, r.game, r.list, 0, std::cerr, game_index);
    if (outcome) r.outcome = *outcome;
    return outcome.has_value();
}

std::string text(std::string_view gbk) { return json_string(gbk_to_utf8(gbk)); }

void print_line(const Line& line);

// One move: its record squares, the row text, what the record says after it, and the
// lines that replace it.
void print_move(const MoveRecord& m, std::string_view row, const MoveNotes& notes) {
    std::cout << "{\"piece\": " << int(m.piece) << ", \"from\": [" << int(m.from_row) << ", " << int(m.from_column)
              << "], \"to\": [" << int(m.to_row) << ", " << int(m.to_column) << "], \"text\": " << text(row)
              << ", \"comment\": " << text(notes.comment) << ", \"alternatives\": [";
    for (std::size_t i = 0; i < notes.alternatives.size(); ++i) {
        if (i) std::cout << ", ";
        print_line(notes.alternatives[i]);
    }
    std::cout << "]}";
}

void print_line(const Line& line) {
    std::cout << "[";
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i) std::cout << ", ";
        print_move(line[i].move, line[i].text, line[i].notes);
    }
    std::cout << "]";
}

void print_json(const Loaded& r) {
    const GameRecord& g = r.game;
    std::cout << "{\"title\": " << text(g.title) << ", \"fen\": " << text(g.fen_start)
              << ", \"notation\": " << text(g.notation) << ", \"event\": " << text(g.info.event)
              << ", \"red\": " << text(g.info.red) << ", \"black\": " << text(g.info.black)
              << ", \"result\": " << text(g.info.result) << ", \"comment\": " << text(g.start_comment)
              << ", \"variations\": " << g.variation_count() << ", \"moves\": [";
    for (std::size_t i = 0; i < g.moves.size(); ++i) {
        if (i) std::cout << ", ";
        print_move(g.moves[i], r.list.rows()[i].text, g.notes_of(i));
    }
    std::cout << "], \"stopped\": ";
    if (const auto& stop = r.outcome.stop)
        std::cout << "{\"move\": " << stop->move << ", \"reason\": " << text(describe(*stop)) << "}";
    else
        std::cout << "null";
    std::cout << "}\n";
}

bool usage(Args& args, std::size_t files, const char* line) {
    if (args.files.size() == files && args.error.empty()) return false;
    std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << "usage: kelvara-cli " << line
              << "\n";
    return true;
}

}  // namespace

int moves_command(Args& args) {
    const auto game = game_index_option(args);
    if (usage(args, 1, "moves [--json] [--game N] FILE")) return 2;
    Loaded record;
    if (!load(args.files[0], *game, record)) return 1;
    if (args.has("--json")) {
        print_json(record);
    } else {
        for (const auto& row : record.list.rows()) std::cout << gbk_to_utf8(row.text) << '\n';
    }
    return 0;
}

int text_command(Args& args) {
    const auto game = game_index_option(args);
    if (usage(args, 1, "text [--game N] FILE")) return 2;
    Loaded record;
    if (!load(args.files[0], *game, record)) return 1;
    std::cout << gbk_to_utf8(text_record(record.list.rows(), record.game.fen_start)) << '\n';
    return 0;
}

int games_command(Args& args) {
    if (usage(args, 1, "games [--json] FILE")) return 2;
    const std::string& path = args.files[0];
    const std::optional<RecordInput> input = read_record_input(path);
    if (!input) return 1;
    const std::vector<GameSummary> games = list_record_games(input->bytes, input->name);
    if (games.empty()) {
        report_not_a_record(path, std::nullopt);
        return 1;
    }
    if (args.has("--json")) {
        std::cout << "{\"games\": [";
        for (std::size_t i = 0; i < games.size(); ++i) {
            const GameSummary& g = games[i];
            std::cout << (i ? ", " : "") << "{\"number\": " << g.number << ", \"title\": " << text(g.title)
                      << ", \"red\": " << text(g.red) << ", \"black\": " << text(g.black)
                      << ", \"result\": " << text(g.result) << ", \"plies\": " << g.plies << "}";
        }
        std::cout << "]}\n";
        return 0;
    }
    for (const GameSummary& g : games)
        std::cout << g.number << '\t' << gbk_to_utf8(g.title) << '\t' << gbk_to_utf8(g.red) << '\t'
                  << gbk_to_utf8(g.black) << '\t' << gbk_to_utf8(g.result) << '\t' << g.plies << '\n';
    return 0;
}

}  // namespace kelvara::cli
