#include "engine/evaluation.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gbk_literal.h"

namespace kelvara {

namespace {

// Centipawns stay well below a mate's value, however lopsided the position.
constexpr int kLargestCentipawns = kMateValue / 2;

int towards_red(int value, Side side_to_move) { return side_to_move == Side::Red ? value : -value; }

}  // namespace

Evaluation red_side_evaluation(EngineScore score, Side side_to_move) {
    Evaluation e;
    if (score.kind == EngineScore::Kind::Mate)
        e.mate = towards_red(score.value, side_to_move);
    else
        e.centipawns = towards_red(score.value, side_to_move);
    return e;
}

std::string evaluation_text(const Evaluation& evaluation, Side side_to_move) {
    if (evaluation.mate) {
        const int mate = *evaluation.mate;
        if (mate == 0) return std::string(side_to_move == Side::Black ? "红胜"_gbk : "黑胜"_gbk);
        return std::string(mate > 0 ? "红方"_gbk : "黑方"_gbk) + std::to_string(std::abs(mate)) + std::string("步杀"_gbk);
    }
    const int cp = evaluation.centipawns.value_or(0);
    return (cp > 0 ? "+" : "") + std::to_string(cp);
}

int red_value(const Evaluation& evaluation, Side side_to_move) {
    if (evaluation.mate) {
        const int moves = *evaluation.mate;
        if (moves == 0) return side_to_move == Side::Red ? -kMateValue : kMateValue;
        const int value = kMateValue - std::min(std::abs(moves), kLargestCentipawns);
        return moves > 0 ? value : -value;
    }
    return std::clamp(evaluation.centipawns.value_or(0), -kLargestCentipawns, kLargestCentipawns);
}

MoveMark mark_for_move(const Evaluation& before, Side mover, const Evaluation& after) {
    const int sign = mover == Side::Red ? 1 : -1;
    const int drop = sign * (red_value(before, mover) - red_value(after, opponent(mover)));
    if (drop > kBlunderDrop) return MoveMark::Blunder;
    if (drop > kDubiousDrop) return MoveMark::Dubious;
    return MoveMark::None;
}

std::string_view mark_text(MoveMark mark) {
    switch (mark) {
        case MoveMark::Dubious: return "?";
        case MoveMark::Blunder: return "??";
        case MoveMark::None: break;
    }
    return "";
}

}  // namespace kelvara
