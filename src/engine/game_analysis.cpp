#include "engine/game_analysis.h"

namespace kelvara {

std::vector<SearchPosition> game_positions(const Position& start, Side start_side, const std::vector<Move>& moves) {
    std::vector<SearchPosition> positions;
    positions.reserve(moves.size() + 1);
    for (std::size_t n = 0; n <= moves.size(); ++n)
        positions.push_back({start, start_side, std::vector<Move>(moves.begin(), moves.begin() + n)});
    return positions;
}

void mark_moves(std::vector<AnalysedPosition>& positions) {
    for (std::size_t i = 1; i < positions.size(); ++i) {
        const AnalysedPosition& before = positions[i - 1];
        AnalysedPosition& after = positions[i];
        after.mark = before.evaluation && after.evaluation
                         ? mark_for_move(*before.evaluation, before.side_to_move, *after.evaluation)
                         : MoveMark::None;
    }
}

GameAnalysis::GameAnalysis(EngineClient& client, const std::vector<SearchPosition>& positions, SearchLimit limit)
    : client_(client), limit_(limit) {
    positions_.reserve(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        AnalysedPosition p;
        p.ply = static_cast<int>(i);
        p.position = positions[i];
        p.side_to_move = positions[i].side_to_move();
        positions_.push_back(std::move(p));
    }
}

GameAnalysis::~GameAnalysis() { cancel(); }

void GameAnalysis::start() {
    cancelled_ = false;
    if (!asked_) ask_next();
}

void GameAnalysis::ask_next() {
    if (next_ >= positions_.size()) {
        mark_moves(positions_);
        return;
    }
    asked_ = client_.search(positions_[next_].position, limit_);
    ++next_;
}

bool GameAnalysis::take(const SearchUpdate& update) {
    if (!asked_ || update.search != *asked_) return false;
    if (!update.final) return true;
    AnalysedPosition& p = positions_[next_ - 1];
    p.answered = true;
    p.depth = update.depth;
    p.evaluation = update.evaluation;
    p.best = update.best;
    p.pv = update.pv;
    asked_.reset();
    ask_next();
    return true;
}

void GameAnalysis::cancel() {
    if (!asked_) return;
    client_.cancel();
    asked_.reset();
    --next_;
    cancelled_ = true;
}

}  // namespace kelvara
