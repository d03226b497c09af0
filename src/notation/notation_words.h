#pragma once
// The words of Chinese move notation, in one table that the writers write from and every
// reader reads with: the pieces' names in simplified and traditional characters and the
// variants real records use (俥 傌 砲 包 …), the numerals, the direction words (进 退 平,
// 進, the old 上 下) and the position words (前 中 后, 後). All GBK.

#include <string_view>

#include "board/piece.h"

namespace kelvara::notation {

enum class Script { Simplified, Traditional };
enum class Direction { Forward, Sideways, Back };
enum class Place { Front, Middle, Rear };

// What one character can mean in a move. Numbers are 一…九 or digits in full width or
// ASCII; a Chinese numeral from 一 to 五 may also be a pawn's ordinal.
struct WordMeaning {
    enum class Role { None, Piece, Number, Direction, Place };
    Role role = Role::None;
    PieceKind piece = PieceKind::None;
    int number = 0;               // Number: 0-9
    bool chinese_numeral = false;  // Number written 一…九
    Direction direction = Direction::Forward;
    Place place = Place::Front;
};

// character: one GBK character (one or two bytes). Either side's glyph names the kind
// (相 and 象 are both elephants): the side to move decides whose piece it is.
WordMeaning meaning_of(std::string_view character);

// The name a writer gives a side's piece: 车马炮帅仕相兵 / 车马炮将士象卒, traditional
// 車馬炮帥仕相兵 / 車馬炮將士象卒.
std::string_view piece_word(Side side, PieceKind kind, Script script = Script::Simplified);
// The simplified name of a piece code; "" for the empty square and any code outside 0-31.
std::string_view piece_name(int code);

// 一 … 九 for 1 … 9; "" otherwise.
std::string_view chinese_numeral(int n);
std::string_view direction_word(Direction direction, Script script = Script::Simplified);
std::string_view place_word(Place place, Script script = Script::Simplified);

// "红：" and "黑：", which start each row of the move list.
std::string_view side_prefix(Side side);

// Red counts files from its right (column 0 is its file 1), black from its right too
// (column 8 is its file 1).
constexpr int column_of_file(Side side, int file) { return side == Side::Red ? file - 1 : 9 - file; }
constexpr int file_of_column(Side side, int column) { return side == Side::Red ? column + 1 : 9 - column; }
// Red moves towards higher rows, black towards lower ones.
constexpr int forward_sense(Side side) { return side == Side::Red ? 1 : -1; }

}  // namespace kelvara::notation
