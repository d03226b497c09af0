#pragma once
// The game replayed for its animation on a board session of its own: the board as the
// board view draws it after each move, with the title and author lines, the markers of
// the move and the counter of the plan, and where each move may have changed it.

#include <optional>
#include <string>
#include <vector>

#include "export/picture_plan.h"
#include "platform/image.h"
#include "platform/rect.h"
#include "record/game_record.h"
#include "view/board_session.h"
#include "view/board_transition.h"

namespace kelvara {

class GameReplay {
public:
    // The board at the start of the game, drawn at the scale (1 to 3), in the game's flip
    // state, no markers, the counter reading the number of moves and 0.
    GameReplay(const GameRecord& game, std::string title, std::string_view author_line, const PicturePlan& plan,
               int scale = 1);
    GameReplay(const GameReplay&) = delete;
    GameReplay& operator=(const GameReplay&) = delete;

    // Plays the next move silently. From the plan's first picture on, the board gets the
    // move's markers and the counter; the first picture may hide the markers.
    void play_next_move();
    // Plays on to the move (not before the moves played), the moves before it moving the
    // pieces only: the board then stands as play_next_move would have left it.
    void skip_to(int move);
    int moves_played() const { return played_; }

    // The board as it stands now.
    const Image& picture() { return session_.canvas.composed(); }
    // Where the board may differ from the previous picture: the squares of the moves
    // played since, the squares the markers left and the counter.
    const std::vector<Rect>& changed_areas() const { return changed_; }
    // Starts collecting the changes towards the next picture.
    void picture_taken() { changed_.clear(); }

private:
    void show_move(const BoardTransition& move);

    BoardSession session_;
    PicturePlan plan_;
    int played_ = 0;
    std::optional<BoardTransition> markers_;  // the move whose markers are shown
    std::vector<Rect> changed_;
};

}  // namespace kelvara
