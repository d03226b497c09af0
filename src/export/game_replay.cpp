#include "export/game_replay.h"

namespace kelvara {

GameReplay::GameReplay(const GameRecord& game, std::string title, std::string_view author_line,
                       const PicturePlan& plan, int scale)
    : session_(scale), plan_(plan) {
    GameRecord& g = session_.game;
    g = game;
    g.making = 1;
    session_.view.show_file_labels(g.flip_state);
    session_.view.show_title(title);
    session_.view.set_author_line(author_line);
    session_.view.redraw_board(g);  // the start of the game, no markers, counter n-0
}

void GameReplay::play_next_move() {
    GameRecord& g = session_.game;
    const int i = ++played_;
    const BoardTransition move = session_.playback.play_move_forward(g.moves[i - 1], i);
    // Up to the first picture only the pieces need to be where the game has them; that
    // picture is taken whole.
    if (i < plan_.first_move) return;
    if (i > plan_.first_move) {
        changed_.push_back(session_.view.square_area(move.from));
        changed_.push_back(session_.view.square_area(move.to));
    }
    if (i == plan_.first_move && plan_.first_without_markers) {
        session_.view.hide_move_markers();
        markers_.reset();
    } else {
        show_move(move);
    }
    changed_.push_back(session_.view.set_move_counter(plan_.counter_total(), i - plan_.counter_offset));
}

void GameReplay::skip_to(int move) {
    GameRecord& g = session_.game;
    while (played_ + 1 < move) {
        ++played_;
        session_.playback.play_move_forward(g.moves[played_ - 1], played_);
    }
    if (played_ < move) play_next_move();
}

void GameReplay::show_move(const BoardTransition& move) {
    if (markers_) {  // the markers leave the squares of the move before
        changed_.push_back(session_.view.square_area(markers_->from));
        changed_.push_back(session_.view.square_area(markers_->to));
    }
    const MoveRecord& m = session_.game.moves[played_ - 1];
    session_.view.show_move_markers(session_.game.flip_state, m.from_column, m.from_row, m.to_column, m.to_row);
    markers_ = move;
}

}  // namespace kelvara
