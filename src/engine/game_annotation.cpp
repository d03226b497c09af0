#include "engine/game_annotation.h"

#include "notation/chinese_notation.h"
#include "platform/gbk_literal.h"

namespace kelvara {

std::string move_comment(const AnalysedPosition& before, const AnalysedPosition& after) {
    if (!after.evaluation) return {};
    std::string comment = evaluation_text(*after.evaluation, after.side_to_move);
    if (after.mark == MoveMark::None || !before.best || !before.evaluation) return comment;
    return std::string(mark_text(after.mark)) + " " + comment + std::string("，较好的是"_gbk) +
           notation::chinese_move_text(before.position.board(), *before.best) + std::string("（"_gbk) +
           evaluation_text(*before.evaluation, before.side_to_move) + std::string("）"_gbk);
}

void annotate(GameRecord& game, const std::vector<AnalysedPosition>& positions) {
    for (std::size_t move = 0; move < game.moves.size() && move + 1 < positions.size(); ++move) {
        const std::string comment = move_comment(positions[move], positions[move + 1]);
        if (comment.empty()) continue;
        std::string& text = game.notes_for(move).comment;
        text += (text.empty() ? "" : " ") + comment;
    }
}

}  // namespace kelvara
