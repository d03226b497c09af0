#pragma once
// What an engine thinks of a position, turned to red's point of view, and the marks a
// move earns when it gives away much of its side's standing.

#include <optional>
#include <string>
#include <string_view>

#include "board/piece.h"
#include "engine/engine_reply.h"

namespace kelvara {

struct Evaluation {
    std::optional<int> centipawns;  // from red's side; set when no forced mate is seen
    // Moves until mate: positive when red mates, negative when black does. 0 means the side
    // to move is mated already, which only the side to move tells apart.
    std::optional<int> mate;
    friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

Evaluation red_side_evaluation(EngineScore score, Side side_to_move);

// The evaluation as players read it, in GBK: "+35" from red's side, "红方5步杀" (red mates
// in five), "黑方3步杀", and "红胜" or "黑胜" once the side to move is mated.
std::string evaluation_text(const Evaluation& evaluation, Side side_to_move);

// One number from red's side for comparing evaluations: any mate outweighs any material
// and a quicker mate outweighs a slower one.
inline constexpr int kMateValue = 30000;
int red_value(const Evaluation& evaluation, Side side_to_move);

// A move that loses more than these centipawns of its side's standing is marked.
inline constexpr int kDubiousDrop = 100;
inline constexpr int kBlunderDrop = 300;

enum class MoveMark { None, Dubious, Blunder };

// The mark of a move by mover from the position judged before to the one judged after.
MoveMark mark_for_move(const Evaluation& before, Side mover, const Evaluation& after);
// "", "?" or "??", as players write them after a move.
std::string_view mark_text(MoveMark mark);

}  // namespace kelvara
