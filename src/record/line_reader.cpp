#include "record/line_reader.h"

#include <algorithm>

#include "board/rules.h"

namespace kelvara {

namespace {

using notation::MoveReading;

// How far ahead an ambiguous token looks, and how many readings one choice may cost.
constexpr std::size_t kLookahead = 12;
constexpr int kReadingBudget = 400;

struct Lookahead {
    notation::Notation notation;
    std::span<const std::string> tokens;
    notation::ReadOptions options;
    int budget = kReadingBudget;

    // How many tokens from `next` on read in turn after the moves so far (at most
    // `left`), taking at each ambiguous token the move that reads furthest.
    std::size_t reach(Position& board, Side side, std::size_t next, std::size_t left) {
        if (left == 0 || next >= tokens.size() || budget <= 0) return 0;
        --budget;
        const MoveReading r = notation::read_move(notation, tokens[next], board, side, options);
        std::size_t best = 0;
        for (const Move m : r.candidates) {
            const PieceCode captured = make_move(board, m);
            best = std::max(best, 1 + reach(board, opponent(side), next + 1, left - 1));
            unmake_move(board, m, captured);
        }
        return best;
    }

    // The one candidate after which the line reads furthest; nullopt when several tie.
    std::optional<Move> choose(const std::vector<Move>& candidates, Position& board, Side side, std::size_t next) {
        std::optional<Move> chosen;
        std::size_t best = 0;
        bool tied = false;
        for (const Move m : candidates) {
            const PieceCode captured = make_move(board, m);
            const std::size_t r = reach(board, opponent(side), next, kLookahead);
            unmake_move(board, m, captured);
            if (!chosen || r > best) {
                chosen = m;
                best = r;
                tied = false;
            } else if (r == best) {
                tied = true;
            }
        }
        if (tied) return std::nullopt;
        return chosen;
    }
};

}  // namespace

LineRead read_line(notation::Notation notation, std::span<const std::string> tokens, Position board, Side side,
                   notation::ReadOptions options) {
    LineRead line;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const MoveReading r = notation::read_move(notation, tokens[i], board, side, options);
        std::optional<Move> move;
        if (r.resolved()) {
            move = r.candidates.front();
        } else if (r.ambiguous()) {
            move = Lookahead{notation, tokens, options}.choose(r.candidates, board, side, i + 1);
            line.ambiguous = !move;
        }
        if (!move) {
            line.stopped = i;
            return line;
        }
        line.moves.push_back(*move);
        make_move(board, *move);
        side = opponent(side);
    }
    return line;
}

}  // namespace kelvara
