#pragma once
// The position an engine is asked about: a game's start and the moves played from it, and
// what the client needs to know of it before it goes to the engine.

#include <string>
#include <vector>

#include "board/position.h"

namespace kelvara {

struct SearchPosition {
    Position start = empty_position();  // standard orientation
    Side start_side = Side::Red;
    std::vector<Move> moves;  // played in turn from the start

    // The position after the moves and the side to move there.
    Position board() const;
    Side side_to_move() const;
    // Whether every move is legal where it is played, so that an engine can replay them.
    bool moves_are_legal() const;
};

// Whether an engine can be given the position: one general a side, each in its palace,
// no more pieces of a kind than a game has, and the side that just moved has not left its
// general to be taken. Records may hold anything; engines are not made for that.
bool is_playable(const Position& board, Side side_to_move);

// The "position" command: the start as FEN and the moves in the engine's counting of ranks
// when they can be replayed, else the FEN of the position they lead to.
std::string position_command(const SearchPosition& position, int rank_base);

}  // namespace kelvara
