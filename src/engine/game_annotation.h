#pragma once
// What a whole-game analysis adds to a record's comments, for saving the game with it:
// after each move the evaluation from red's side; after a marked move also its mark, the
// move the engine preferred and what that one was worth.

#include <string>
#include <vector>

#include "engine/game_analysis.h"
#include "record/game_record.h"

namespace kelvara {

// The comment of the move from `before` to `after` (GBK), "" when `after` was not judged:
// "+35", or "?? -150，较好的是炮八平五（+20）".
std::string move_comment(const AnalysedPosition& before, const AnalysedPosition& after);

// Adds each judged move's comment after what the record already says about that move.
// positions[0] is the start and positions[i] the position after move i.
void annotate(GameRecord& game, const std::vector<AnalysedPosition>& positions);

}  // namespace kelvara
