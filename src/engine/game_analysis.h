#pragma once
// Analysing a whole game: the engine is asked about the start and the position after every
// move, one after the other; when all are answered, each move is marked by how much of its
// side's standing it gave away. The owner of the client passes the client's updates to
// take(), so that the same client can serve other searches between analyses.

#include <optional>
#include <string>
#include <vector>

#include "engine/engine_client.h"

namespace kelvara {

struct AnalysedPosition {
    int ply = 0;  // 0: the start; n: after the game's n-th move
    SearchPosition position;
    Side side_to_move = Side::Red;
    bool answered = false;
    int depth = 0;
    std::optional<Evaluation> evaluation;  // from red's side; none when the engine could not judge
    std::optional<Move> best;
    std::vector<Move> pv;
    MoveMark mark = MoveMark::None;  // of the move that led here
};

// The start and the position after each move of a game.
std::vector<SearchPosition> game_positions(const Position& start, Side start_side, const std::vector<Move>& moves);

// Sets each position's mark from the evaluations before and after the move that led there.
void mark_moves(std::vector<AnalysedPosition>& positions);

class GameAnalysis {
public:
    GameAnalysis(EngineClient& client, const std::vector<SearchPosition>& positions, SearchLimit limit);
    ~GameAnalysis();
    GameAnalysis(const GameAnalysis&) = delete;
    GameAnalysis& operator=(const GameAnalysis&) = delete;

    // Asks about the first position; the rest follow as the answers come to take().
    void start();
    // Takes one of the client's updates: true when it answers this analysis. Its final
    // answer asks about the next position, and the last one marks the moves.
    bool take(const SearchUpdate& update);
    // Drops the search in progress; the positions answered so far stay.
    void cancel();

    bool done() const { return next_ >= positions_.size() && !asked_; }
    bool cancelled() const { return cancelled_; }
    int answered() const { return static_cast<int>(next_) - (asked_ ? 1 : 0); }
    int total() const { return static_cast<int>(positions_.size()); }
    const std::vector<AnalysedPosition>& positions() const { return positions_; }

private:
    void ask_next();

    EngineClient& client_;
    SearchLimit limit_;
    std::vector<AnalysedPosition> positions_;
    std::size_t next_ = 0;                // the next position to ask about
    std::optional<std::uint64_t> asked_;  // the search in progress
    bool cancelled_ = false;
};

}  // namespace kelvara
