// fake-engine: a small xiangqi engine for the client's tests, whose behaviour the test
// chooses by arguments. It plays by the board core's rules: its best move is the first
// legal move, and its line that move and the first legal reply.
//
//   --ucci             greet only "ucci" with ucciok (ignoring "uci"), and write UCCI's
//                      plain "score N" and "nobestmove"
//   --variants LIST    offer UCI_Variant with these comma-separated choices and count ranks
//                      from 1, as engines of many variants do
//   --rank-base B      count ranks from B (default: 1 with --variants, else 0)
//   --scores LIST      score of the position after n moves, from the side to move: the
//                      n-th comma-separated value ("m3" is mate in 3, "-m2" mated in 2);
//                      0 for positions past the list
//   --silent-at WHAT   never answer WHAT: "uci" (the greeting), "isready" or "go"
//   --crash-at WHAT    abort on WHAT ("uci", "go")
//   --exit-at-go N     exit with status 3 on the N-th go
//   --garbage          write noise between the real lines: unknown words, broken info
//                      lines, bytes that are no text, and an overlong line
//   --illegal-best     answer every search with a move that is not legal
//   --slow MS          take MS milliseconds before the best move unless stopped
//   --deaf             ignore quit (the client must kill it)
//   --log FILE         append every command received to FILE

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "board/fen.h"
#include "board/rules.h"
#include "engine/engine_move.h"

namespace {

using namespace kelvara;

struct Script {
    bool ucci = false;
    std::vector<std::string> variants;
    std::optional<int> rank_base;
    std::vector<std::string> scores;
    std::string silent_at;
    std::string crash_at;
    int exit_at_go = 0;
    bool garbage = false;
    bool illegal_best = false;
    int slow_ms = 0;
    bool deaf = false;
    std::string log;

    int base() const { return rank_base.value_or(variants.empty() ? 0 : 1); }
};

std::vector<std::string> split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, by)) parts.push_back(part);
    return parts;
}

Script read_script(int argc, char** argv) {
    Script s;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--ucci") s.ucci = true;
        else if (a == "--variants") s.variants = split(value(), ',');
        else if (a == "--rank-base") s.rank_base = std::atoi(value().c_str());
        else if (a == "--scores") s.scores = split(value(), ',');
        else if (a == "--silent-at") s.silent_at = value();
        else if (a == "--crash-at") s.crash_at = value();
        else if (a == "--exit-at-go") s.exit_at_go = std::atoi(value().c_str());
        else if (a == "--garbage") s.garbage = true;
        else if (a == "--illegal-best") s.illegal_best = true;
        else if (a == "--slow") s.slow_ms = std::atoi(value().c_str());
        else if (a == "--deaf") s.deaf = true;
        else if (a == "--log") s.log = value();
    }
    return s;
}

void say(const std::string& line) { std::cout << line << std::endl; }

void noise() {
    say("Unknown command: what");
    say("info depth");
    say("info score cp");
    say("info depth x score mate y pv zz99");
    say("bestmovement");
    std::cout << std::string("\x01\xff\xfe binary \x80", 12) << std::endl;
    say(std::string(40000, 'x'));
}

struct Game {
    Position board = empty_position();
    Side side = Side::Red;
    int plies = 0;
};

// "position fen BOARD SIDE ... [moves M...]"; moves that do not parse or are not legal end
// the list, as engines do.
Game read_position(const std::vector<std::string>& words, int base) {
    Game g;
    std::size_t i = 2;
    if (words.size() > 2 && words[1] == "fen") {
        g.board = parse_fen_board(words[2]);
        if (words.size() > 3 && words[3] == "b") g.side = Side::Black;
        i = 3;
    }
    while (i < words.size() && words[i] != "moves") ++i;
    for (++i; i < words.size(); ++i) {
        const auto move = parse_engine_move(words[i], base);
        if (!move || !is_legal_move(g.board, g.side, *move)) break;
        make_move(g.board, *move);
        g.side = opponent(g.side);
        ++g.plies;
    }
    return g;
}

std::string score_words(const Script& s, int plies) {
    std::string score = plies < static_cast<int>(s.scores.size()) ? s.scores[plies] : "0";
    const bool negative = !score.empty() && score[0] == '-';
    const std::string magnitude = negative ? score.substr(1) : score;
    if (!magnitude.empty() && magnitude[0] == 'm')
        return (s.ucci ? "score " : "score mate ") + std::string(negative ? "-" : "") + magnitude.substr(1);
    return (s.ucci ? "score " : "score cp ") + score;
}

// Standard input read by hand, so that a wait for "stop" sees lines already received.
class Input {
public:
    // The next line, waiting at most timeout_ms (forever when negative); nullopt at the end
    // of the input or when the time is up (then *ended says which).
    std::optional<std::string> next(int timeout_ms, bool* ended = nullptr) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
        for (;;) {
            const std::size_t end = buffer_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            int wait = -1;
            if (timeout_ms >= 0) {
                wait = static_cast<int>(std::max<long long>(
                    0, std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now())
                           .count()));
            }
            pollfd p{STDIN_FILENO, POLLIN, 0};
            if (::poll(&p, 1, wait) == 0) {
                if (ended) *ended = false;
                return std::nullopt;
            }
            char bytes[4096];
            const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
            if (n <= 0) {
                if (ended) *ended = true;
                return std::nullopt;
            }
            buffer_.append(bytes, static_cast<std::size_t>(n));
        }
    }

private:
    std::string buffer_;
};

// Waits up to ms for a "stop"; true when it came (or the input ended).
bool stopped_within(Input& input, int ms, std::ofstream& log) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        bool ended = false;
        const auto line = input.next(static_cast<int>(left.count()), &ended);
        if (!line) return ended;
        if (log) log << *line << std::endl;
        if (*line == "stop") return true;
    }
    return false;
}

void search(const Script& s, const Game& g, Input& input, std::ofstream& log) {
    const int base = s.base();
    const std::vector<Move> moves = legal_moves(g.board, g.side);
    if (moves.empty()) {
        say(s.ucci ? "nobestmove" : "bestmove (none)");
        return;
    }
    const Move best = moves.front();
    Position after = g.board;
    make_move(after, best);
    const std::vector<Move> replies = legal_moves(after, opponent(g.side));
    std::string pv = engine_move_text(best, base);
    if (!replies.empty()) pv += " " + engine_move_text(replies.front(), base);
    if (s.garbage) noise();
    say("info depth 1 " + score_words(s, g.plies) + " nodes 10 pv " + engine_move_text(best, base));
    if (s.garbage) noise();
    say("info depth 2 seldepth 3 multipv 1 " + score_words(s, g.plies) + " nodes 40 nps 4000 time 1 pv " + pv);
    say("info depth 2 multipv 2 score cp -999 pv " + pv);
    if (s.slow_ms > 0) stopped_within(input, s.slow_ms, log);
    if (s.illegal_best) {
        // A move no piece can make: from an empty corner of the river to another.
        say("bestmove " + engine_move_text({{4, 4}, {5, 4}}, base));
        return;
    }
    say("bestmove " + engine_move_text(best, base) + (replies.empty() ? "" : " ponder " + engine_move_text(replies.front(), base)));
}

}  // namespace

int main(int argc, char** argv) {
    const Script s = read_script(argc, argv);
    std::ofstream log;
    if (!s.log.empty()) log.open(s.log, std::ios::app);
    Game game;
    game.board = parse_fen_board("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR");
    int goes = 0;
    Input input;
    while (const auto next = input.next(-1)) {
        const std::string& line = *next;
        if (log) log << line << std::endl;
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w);
        if (words.empty()) continue;
        const std::string& command = words[0];
        if (command == s.silent_at) continue;
        if (command == s.crash_at) std::abort();
        if (command == "uci" && !s.ucci) {
            if (s.garbage) noise();
            say("id name Fake Engine 1.0");
            say("id author Kelvara tests");
            if (!s.variants.empty()) {
                std::string choices;
                for (const std::string& v : s.variants) choices += " var " + v;
                say("option name UCI_Variant type combo default " + s.variants.front() + choices);
            }
            say("option name Threads type spin default 1 min 1 max 8");
            say("option name Clear Hash type button");
            say("uciok");
        } else if (command == "ucci" && s.ucci) {
            say("id name Fake UCCI Engine");
            say("option usemillisec type check default false");
            say("ucciok");
        } else if (command == "isready") {
            say("readyok");
        } else if (command == "position") {
            game = read_position(words, s.base());
        } else if (command == "go") {
            if (++goes == s.exit_at_go) return 3;
            search(s, game, input, log);
        } else if (command == "quit") {
            if (s.deaf) continue;
            if (s.ucci) say("bye");
            return 0;
        }
    }
    // Input closed: a deaf engine lingers until it is killed.
    while (s.deaf) ::pause();
    return 0;
}
