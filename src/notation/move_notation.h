#pragma once
// The Chinese notation of one move of a QQ record, as the move list shows it:
// 红：炮二平五, 黑：马8进7, 红：前车进一, 黑：二卒平4.

#include <string>

#include "board/position.h"

namespace kelvara {

// side: 0 is black, anything else red; only the low byte counts. The side, not the piece's
// colour, decides the prefix, the numerals and which way is forward. board is in standard
// orientation and still shows the piece on its from-square. Squares off the board are
// never read, so any arguments give a text.
std::string move_notation(PieceCode piece, int side, int from_row, int from_column, int to_row,
                          int to_column, const Position& board);

}  // namespace kelvara
