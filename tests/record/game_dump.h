#pragma once
// A game's moves as one line of text, for comparing games and reading failures: each move
// in ICCS coordinates, its comment in braces, its alternatives in parentheses (nested),
// the start comment first. Row texts and piece codes are left out.

#include <optional>
#include <string>
#include <vector>

#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara::test {

std::string dump_game(const GameRecord& game);

// Every line of play from the start, each as its ICCS moves separated by spaces: the main
// line first, then each alternative with the moves that lead to it.
std::vector<std::string> lines_of_play(const GameRecord& game);

// The number of comments: on the start, on the main line and on every alternative.
int comment_count(const GameRecord& game);

std::string iccs(const MoveRecord& m);

// What a reader made of a record: the game, its rows and where it stopped.
struct ReadGame {
    GameRecord game;
    MoveList list;
    std::optional<ReadStop> stop;
};

// Runs read(game, list) on a fresh game held with the flip state given.
template <typename Read>
ReadGame read_with(Read read, int flip = 0) {
    ReadGame r;
    r.game.flip_state = flip;
    r.stop = read(r.game, r.list);
    return r;
}

}  // namespace kelvara::test
