#pragma once
// Which pictures an animation has: the position after first_move (0: the start of the
// game) and then one picture after every move up to last_move. Pictures before the
// selected move are left out when the animation starts at the selected move.

namespace kelvara {

struct PicturePlan {
    int moves = 0;             // in the game
    int first_move = 0;        // the first picture shows the position after this move
    int last_move = 0;         // the last picture shows the position after this move
    bool first_without_markers = false;
    // The counter of the picture after move i reads (moves - counter_offset)-(i - counter_offset).
    int counter_offset = 0;

    int pictures() const { return last_move - first_move + 1; }
    int counter_total() const { return moves - counter_offset; }
};

// start_at_selected: the maker's start-at-selected-move option; selected_row: the move
// list's selection (row r shows move r + 1; -1 none); to_move: the last move shown, 0 or
// anything past the game's end for the end of the game.
//
// With the option on and row s >= 1 selected, the first picture is the position after
// move s, without markers, and the counter counts from there; with row 0 selected it is
// the position after move 1 with its markers.
PicturePlan plan_pictures(int moves, bool start_at_selected, int selected_row, int to_move);

}  // namespace kelvara
