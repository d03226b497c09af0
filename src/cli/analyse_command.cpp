// kelvara-cli analyse: an engine's judgement of the start and of the position after every
// move, the move it prefers there, and the mark of each move that gave much away.

#include <iostream>
#include <optional>
#include <string>

#include "board/fen.h"
#include "cli/commands.h"
#include "cli/engine_run.h"
#include "cli/json_writer.h"
#include "cli/loaded_record.h"
#include "engine/engine_move.h"
#include "notation/chinese_notation.h"
#include "notation/iccs_notation.h"
#include "platform/encoding.h"

namespace kelvara::cli {

namespace {

const std::string kUsage =
    std::string("usage: kelvara-cli analyse [--game N] ") + kEngineOptionsUsage + " [--json] FILE\n";

std::string utf8_line(const AnalysedPosition& p) {
    std::string text;
    for (const std::string& move : notation::chinese_line_text(p.position.board(), p.pv, p.pv.size()))
        text += (text.empty() ? "" : " ") + gbk_to_utf8(move);
    return text;
}

std::optional<std::string> best_text(const AnalysedPosition& p) {
    if (!p.best) return std::nullopt;
    return gbk_to_utf8(notation::chinese_move_text(p.position.board(), *p.best));
}

// "+35", "-120", "+M3" (red mates in 3), "-M2" (black mates in 2), "-" when unknown.
std::string evaluation_text(const AnalysedPosition& p) {
    if (!p.evaluation) return "-";
    if (p.evaluation->mate) {
        const int mate = *p.evaluation->mate;
        const bool red_wins = mate > 0 || (mate == 0 && p.side_to_move == Side::Black);
        return std::string(red_wins ? "+M" : "-M") + std::to_string(mate < 0 ? -mate : mate);
    }
    const int cp = p.evaluation->centipawns.value_or(0);
    return (cp > 0 ? "+" : "") + std::to_string(cp);
}

void print_text(const AnalysedGame& analysis, const MoveList& list) {
    std::cout << "engine: " << analysis.engine << '\n';
    for (const AnalysedPosition& p : analysis.positions) {
        const std::string move =
            p.ply == 0 ? "start" : gbk_to_utf8(list.rows()[static_cast<std::size_t>(p.ply - 1)].text);
        const std::string mark(mark_text(p.mark));
        std::cout << p.ply << '\t' << move << (mark.empty() ? "" : " " + mark) << '\t' << evaluation_text(p);
        if (const auto best = best_text(p)) std::cout << '\t' << *best << ' ' << notation::iccs_move_text(*p.best);
        if (!p.pv.empty()) std::cout << '\t' << utf8_line(p);
        std::cout << '\n';
    }
}

std::string json_number(std::optional<int> n) { return n ? std::to_string(*n) : "null"; }

void print_json(const AnalysedGame& analysis) {
    std::cout << "{\"engine\": " << json_string(analysis.engine) << ", \"positions\": [";
    bool first = true;
    for (const AnalysedPosition& p : analysis.positions) {
        const Evaluation e = p.evaluation.value_or(Evaluation{});
        const auto best = best_text(p);
        std::cout << (first ? "" : ", ") << "{\"ply\": " << p.ply << ", \"fen\": "
                  << json_string(fen_text(p.position.board(), p.side_to_move))
                  << ", \"score\": " << json_number(e.centipawns) << ", \"mate\": " << json_number(e.mate)
                  << ", \"best\": " << (best ? json_string(*best) : "null")
                  << ", \"best_iccs\": " << (p.best ? json_string(notation::iccs_move_text(*p.best)) : "null") << ", \"pv\": [";
        const auto line = notation::chinese_line_text(p.position.board(), p.pv, p.pv.size());
        for (std::size_t i = 0; i < line.size(); ++i) std::cout << (i ? ", " : "") << json_string(gbk_to_utf8(line[i]));
        std::cout << "], \"mark\": " << (p.ply == 0 ? "null" : json_string(mark_text(p.mark))) << "}";
        first = false;
    }
    std::cout << "]}\n";
}

}  // namespace

int analyse_command(Args& args) {
    const auto game_index = game_index_option(args);
    const auto run = engine_options(args);
    if (args.files.size() != 1 || !game_index || !run) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << kUsage;
        return 2;
    }
    const std::string& file = args.files[0];
    GameRecord record;
    MoveList list;
    if (!load_record(file, record, list, 0, std::cerr, *game_index)) return 1;
    const auto analysed = analyse_game(record, *run, file);
    if (!analysed) return 1;
    if (args.has("--json"))
        print_json(*analysed);
    else
        print_text(*analysed, list);
    return 0;
}

}  // namespace kelvara::cli
