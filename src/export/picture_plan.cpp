#include "export/picture_plan.h"

#include <algorithm>

namespace kelvara {

PicturePlan plan_pictures(int moves, bool start_at_selected, int selected_row, int to_move) {
    PicturePlan plan;
    plan.moves = std::max(moves, 0);
    if (start_at_selected && selected_row >= 0 && selected_row < plan.moves) {
        plan.counter_offset = selected_row;
        plan.first_move = std::max(selected_row, 1);
        plan.first_without_markers = selected_row >= 1;
    }
    plan.last_move = to_move > 0 ? std::clamp(to_move, plan.first_move, plan.moves) : plan.moves;
    return plan;
}

}  // namespace kelvara
