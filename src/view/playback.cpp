#include "view/playback.h"

#include <algorithm>

#include "view/board_geometry.h"

namespace kelvara {

Playback::Playback(GameRecord& game, MoveList& list, BoardView& view) : game_(game), list_(list), view_(view) {}

void Playback::follow_selection() {
    if (pending_events_) pending_events_();
    // Read only now: a nested run during the pending events has already moved the board.
    const int current = game_.current_move;
    const int selected = list_.selection();
    const int count = static_cast<int>(game_.moves.size());
    if (selected >= count) return;  // rows and moves are paired; never past the moves
    for (int i = current + 2; i <= selected + 1; ++i) play_move_forward(game_.moves[i - 1], i);
    for (int i = current + 1; i >= selected + 2; --i) take_move_back(game_.moves[i - 1]);
    if (selected >= 0) {
        const MoveRecord& m = game_.moves[selected];
        view_.show_move_markers(game_.flip_state, m.from_column, m.from_row, m.to_column, m.to_row);
    } else {
        view_.hide_move_markers();
    }
    view_.set_move_counter(count, selected + 1);
    game_.current_move = selected;
    view_.refresh_display();
    if (followed_) followed_();
}

BoardTransition Playback::play_move_forward(const MoveRecord& move, int move_number) {
    const Square from = board::display_square(game_.flip_state, move.from_row, move.from_column);
    const Square to = board::display_square(game_.flip_state, move.to_row, move.to_column);
    const BoardTransition change{from, to, move.piece, game_.board[to.row][to.column]};
    if (demo_running_ && sound_effects_ && game_.making == 0 && list_.selection() == game_.current_move + 1 && sound_)
        sound_(change.captures() ? MoveSound::Capture : MoveSound::Move);
    game_.moves[move_number - 1].captured = change.captured;
    game_.board[from.row][from.column] = kEmpty;
    game_.board[to.row][to.column] = move.piece;
    view_.move_piece_sprite(from, to);
    return change;
}

BoardTransition Playback::take_move_back(const MoveRecord& move) {
    const Square from = board::display_square(game_.flip_state, move.from_row, move.from_column);
    const Square to = board::display_square(game_.flip_state, move.to_row, move.to_column);
    game_.board[from.row][from.column] = move.piece;
    game_.board[to.row][to.column] = move.captured;
    view_.delete_piece_sprite_at(to.row, to.column);
    view_.place_piece_sprite(move.piece, from.column, from.row);
    view_.place_piece_sprite(move.captured, to.column, to.row);
    return {from, to, move.piece, move.captured};
}

void Playback::first() {
    if (list_.empty()) return;
    list_.select(-1);
    follow_selection();
}

void Playback::previous() {
    if (list_.empty()) return;
    if (list_.selection() == 0) {
        first();
        return;
    }
    if (list_.selection() > 0) list_.select(list_.selection() - 1);
}

void Playback::next() {
    if (list_.empty()) return;
    list_.select(list_.selection() + 1);
}

void Playback::last() {
    if (list_.empty()) return;
    list_.select(list_.row_count() - 1);
}

void Playback::toggle_demonstration(int demo_delay) {
    if (list_.empty()) return;
    if (timer_period_ == 0) {
        // A period of 0 means stopped, so a settings file's 0 or less cannot start it.
        timer_period_ = std::max(1, demo_delay);
        demo_running_ = true;
        if (demo_changed_) demo_changed_();
    } else {
        stop_demonstration();
    }
}

void Playback::demonstration_tick() {
    if (list_.selection() == list_.row_count() - 1) stop_demonstration();
    list_.select(list_.selection() + 1);
}

void Playback::set_demo_delay(int demo_delay) {
    if (demo_running_) timer_period_ = std::max(1, demo_delay);
}

void Playback::stop_demonstration() {
    timer_period_ = 0;
    demo_running_ = false;
    if (demo_changed_) demo_changed_();
}

}  // namespace kelvara
