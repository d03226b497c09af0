#pragma once
// One game of a record file, as the game chooser and `kelvara-cli games` list it.

#include <string>

namespace kelvara {

struct GameSummary {
    int number = 0;      // from 1
    std::string title;   // GBK: the game's event, "" when the record gives none
    std::string red;     // GBK: the players, "" when not given
    std::string black;
    std::string result;  // GBK, as the record writes it
    int plies = 0;       // moves of the main line as the record writes them
};

}  // namespace kelvara
