#pragma once
// A board session with a record loaded from text, for the view tests.

#include <string>

#include "record/open_record.h"
#include "support/test_support.h"
#include "view/board_session.h"
#include "view/show_record.h"

namespace kelvara::test {

// A short game with a capture at move 3 (炮二进七 takes the black horse).
inline constexpr const char* kShortGame = "1. 炮二平五 马８进７ 2. 炮五进四 士４进５ 3. 炮八进七 象３进５\n";

inline void load_pgn(BoardSession& s, const std::string& utf8_moves, int flip_state = 0) {
    s.game.flip_state = flip_state;
    open_record_bytes(G(utf8_moves), "game.pgn", s.game, s.list);
    show_opened_record(s.game, s.view, "");
}

// The composed board of a session that draws the game afresh at the selected row (-1:
// the start), for comparing pictures. Drawing replaces everything a game shows, so one
// session may serve many games.
inline Image fresh_picture(const GameRecord& game, int selected, BoardSession& fresh) {
    fresh.game = game;
    fresh.view.show_file_labels(game.flip_state);
    fresh.view.redraw_board(fresh.game);
    fresh.view.show_title(fresh.game.title);
    if (selected >= 0) {
        const MoveRecord& m = game.moves[selected];
        fresh.view.show_move_markers(game.flip_state, m.from_column, m.from_row, m.to_column, m.to_row);
    }
    fresh.view.set_move_counter(static_cast<int>(game.moves.size()), selected + 1);
    return fresh.canvas.composed();
}

inline Image fresh_picture(const GameRecord& game, int selected, int scale = 1) {
    BoardSession fresh(scale);
    return fresh_picture(game, selected, fresh);
}

}  // namespace kelvara::test
