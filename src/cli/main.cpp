// kelvara-cli: Kelvara's core without a window, for tests and for users with many records.

#include <signal.h>

#include <iostream>
#include <set>
#include <string>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "kelvara_version.h"
#include "platform/atomic_file.h"
#include "platform/memory_policy.h"

namespace {

// An interrupted or terminated run leaves no temporary file behind, then ends as the
// signal would have ended it.
extern "C" void remove_temporaries_and_end(int signal_number) {
    kelvara::remove_pending_temporaries();
    ::signal(signal_number, SIG_DFL);
    ::raise(signal_number);
}

void clean_up_on_signals() {
    struct sigaction action {};
    action.sa_handler = remove_temporaries_and_end;
    sigemptyset(&action.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(s, &action, nullptr);
    // Past the file size limit a write then fails with EFBIG, which is reported, and the
    // writer removes its file, instead of the signal ending the program half-way.
    ::signal(SIGXFSZ, SIG_IGN);
}

constexpr const char* kUsage =
    "usage: kelvara-cli COMMAND ...\n"
    "  moves [--json] [--game N] FILE\n"
    "                        the move list, one row per line (--json: the game's facts, its moves with\n"
    "                        their comments and alternatives, and where the reading stopped)\n"
    "  text [--game N] FILE  the moves as text, as the copy command gives them\n"
    "  games [--json] FILE   the games of the file: number, title, red, black, result, plies\n"
    "  bmp FILE [--game N] [--move N] [--flip] [--scale 1|2|3] [-o OUT]\n"
    "                        the board picture after move N (0: the start), as the snapshot saves it\n"
    "  png FILE [--game N] [--move N] [--flip] [--scale 1|2|3] [-o OUT]\n"
    "                        the same picture as PNG\n"
    "  gif FILE... [-o DIR] [--game N] [--from-move N] [--to-move M] [--delay CS] [--flip] [--title T]\n"
    "      [--author A] [--scale 1|2|3] [--jobs N]\n"
    "                        the animation of each record, as the make command writes it; from move N\n"
    "                        (the position before it, as the start-at-selected-move option does) to the\n"
    "                        position after move M\n"
    "  pgn [--game N] [--notation chinese|wxf|iccs] [--encoding gbk|utf-8] [-o OUT] FILE\n"
    "                        the game as PGN (CR LF), with its facts, comments and variations\n"
    "      [--annotate [--depth D | --movetime MS] [--engine PATH] [--threads T]]\n"
    "                        --annotate: with an engine's evaluation after each move in its\n"
    "                        comment, and for a move marked ?/?? the better move\n"
    "  analyse FILE [--game N] [--depth D | --movetime MS] [--engine PATH] [--threads T] [--json]\n"
    "                        an engine's evaluation (centipawns from red's side, +M3/-M3 for mates)\n"
    "                        and best move at the start and after every move, and ?/?? after\n"
    "                        moves that lose more than 100/300 centipawns\n"
    "  --help                show this help and exit\n"
    "  --version             show the version and exit\n"
    "--game N picks the Nth game of a file that holds several (the first without it).\n"
    "FILE - reads the record from standard input.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvara::cli;
    kelvara::keep_freed_memory_for_reuse();
    clean_up_on_signals();
    const std::set<std::string> valued = {"-o",       "--move",     "--from-move", "--to-move",  "--delay",
                                          "--title",  "--author",   "--scale",     "--jobs",     "--game",
                                          "--notation", "--encoding", "--depth",   "--movetime", "--engine",
                                          "--threads"};
    const std::set<std::string> flags = {"--json", "--flip", "--annotate"};
    Args args = parse_args(argc, argv, valued, flags);
    if (!args.error.empty()) {
        std::cerr << "kelvara-cli: " << args.error << '\n' << kUsage;
        return 2;
    }
    if (args.command == "moves") return moves_command(args);
    if (args.command == "text") return text_command(args);
    if (args.command == "games") return games_command(args);
    if (args.command == "bmp") return bmp_command(args);
    if (args.command == "png") return png_command(args);
    if (args.command == "gif") return gif_command(args);
    if (args.command == "pgn") return pgn_command(args);
    if (args.command == "analyse") return analyse_command(args);
    if (args.command == "--version") {
        std::cout << "kelvara-cli " << kelvara::kVersion << '\n';
        return 0;
    }
    if (args.command == "--help" || args.command == "-h" || args.command == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << "kelvara-cli: unknown command " << args.command << '\n' << kUsage;
    return 2;
}
