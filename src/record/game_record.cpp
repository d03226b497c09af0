#include "record/game_record.h"

#include "board/layouts.h"

namespace kelvara {

void GameRecord::set_up_initial_position() {
    const Position& layout = flip_state == 0 ? kStandardLayout : kFlippedLayout;
    board = layout;
    reference = flip_state == 0 ? layout : rotated(layout);
}

void GameRecord::restore_start_position() { board = flip_state == 1 ? rotated(reference) : reference; }

void GameRecord::load_standard_layout() { board = kStandardLayout; }

void GameRecord::set_up_start_position() {
    if (!fen_start.empty())
        restore_start_position();
    else
        set_up_initial_position();
}

void GameRecord::reset_for_load() {
    title.clear();
    current_move = -1;
    moves.clear();
    fen_start.clear();
}

}  // namespace kelvara
