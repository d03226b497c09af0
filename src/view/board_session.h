#pragma once
// One game on one board: the game record, its move list, the canvas the board is drawn
// on, the board view and the playback that ties them together. The GUI's application
// object owns one; the CLI and every animation job make their own.

#include "platform/sprite_canvas.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/playback.h"

namespace kelvara {

struct BoardSession {
    GameRecord game;
    MoveList list;
    SpriteCanvas canvas;
    BoardView view;
    Playback playback{game, list, view};

    // Sets up the board canvas at the scale (1 to board::kMaxScale) and makes the list's
    // selection drive the board.
    explicit BoardSession(int scale = 1)
        : canvas(board::kWidth * board::clamp_scale(scale), board::kHeight * board::clamp_scale(scale)),
          view(canvas, scale) {
        view.set_up_board_canvas();
        list.on_selection_changed([this] { playback.follow_selection(); });
    }
    BoardSession(const BoardSession&) = delete;
    BoardSession& operator=(const BoardSession&) = delete;
};

}  // namespace kelvara
