#pragma once
// The one loaded game: the board position as shown, the reference position in standard
// orientation, the moves, and the texts and flags that go with them. One instance is
// owned by the application (or by a GIF maker for its own replay).

#include <string>
#include <vector>

#include "board/position.h"

namespace kelvara {

struct GameRecord {
    int flip_state = 0;           // 1: the board position is held turned by 180 degrees
    Position board{};             // indexed by display squares
    Position reference{};         // always standard orientation
    std::vector<MoveRecord> moves;
    int current_move = 0;         // index of the last move played on board; -1 = start
    std::string fen_start;        // board field of the record's FEN tag, "" if none (GBK)
    std::string title;            // GBK
    std::string file_name;        // GBK: the record's file name, without its folder
    int making = 0;               // 1 while an animation is being made

    // Both positions get the start arrangement for the current flip state.
    void set_up_initial_position();
    // The board position from the reference position, turned when flip_state is 1.
    void restore_start_position();
    // The board position becomes the standard layout whatever the flip state.
    void load_standard_layout();
    // The start of this record: from the reference position when it began from a FEN
    // position, else the initial arrangement.
    void set_up_start_position();
    // Empties what a newly opened record replaces.
    void reset_for_load();
};

}  // namespace kelvara
