#pragma once
// Reads one move of Chinese notation, as a PGN record writes it (炮二平五 for red,
// 马８进７ for black), against the board: finds the piece, works out its destination,
// appends the move and plays it on the board.

#include <optional>
#include <string_view>
#include <vector>

#include "board/position.h"

namespace kelvara {

// "一" ... "九" give 1 ... 9, any other text 0.
int numeral_value(std::string_view character);

// Where the named piece on (from_row, from_column) goes for the direction (进/平/退) and the
// number (a file or a count of rows); nullopt when the move names no square on the board.
std::optional<Square> red_destination(std::string_view name, int from_row, int from_column,
                                      std::string_view direction, int number);
std::optional<Square> black_destination(std::string_view name, int from_row, int from_column,
                                        std::string_view direction, int number);

// token: exactly four GBK characters; black's digits full-width (马８进７). board is in
// standard orientation. On success one move (captured 0) is appended and played on board;
// a token that names no piece or no square changes nothing and gives false.
bool read_red_notation(std::string_view token, Position& board, std::vector<MoveRecord>& moves);
bool read_black_notation(std::string_view token, Position& board, std::vector<MoveRecord>& moves);

}  // namespace kelvara
