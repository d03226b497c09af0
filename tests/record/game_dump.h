#pragma once
// A game's moves as one line of text, for comparing games and reading failures: each move
// in ICCS coordinates, its comment in braces, its alternatives in parentheses (nested),
// the start comment first. Row texts and piece codes are left out.

#include <string>
#include <vector>

#include "record/game_record.h"

namespace kelvara::test {

std::string dump_game(const GameRecord& game);

// Every line of play from the start, each as its ICCS moves separated by spaces: the main
// line first, then each alternative with the moves that lead to it.
std::vector<std::string> lines_of_play(const GameRecord& game);

// The number of comments: on the start, on the main line and on every alternative.
int comment_count(const GameRecord& game);

std::string iccs(const MoveRecord& m);

}  // namespace kelvara::test
