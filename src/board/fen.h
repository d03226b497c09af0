#pragma once
// Xiangqi FEN: ten ranks separated by "/", black's back rank first, each rank from red's
// left; letters for pieces (upper case red, lower case black), digits for empty squares;
// then the side to move. One table of letters serves reading and writing.

#include <optional>
#include <string>
#include <string_view>

#include "board/position.h"

namespace kelvara {

// The letter a FEN writes for a piece (upper case red); '\0' for no piece.
char fen_letter(PieceCode code);
// The piece a FEN letter stands for, with the first code of its kind; kEmpty for a byte
// that names no piece. Real files write the elephant as B or E and the horse as N or H.
PieceCode piece_of_fen_letter(char letter);

// The board field in standard orientation. Forgiving, as records need it: ranks are
// counted from the last (red's back rank), missing ranks and squares are empty, ranks
// beyond ten and squares beyond nine are dropped, a letter that names no piece is an
// empty square, and other bytes (punctuation, bytes of 128 and above) are skipped.
Position parse_fen_board(std::string_view field);

// True when the field is exactly a board: ten ranks of nine squares each, piece letters
// and digits only. Tells a FEN line from other text.
bool is_fen_board(std::string_view field);

struct FenPosition {
    Position board;
    // Red for "w" or "r", Black for "b"; nullopt when the field is missing or says
    // anything else ("-b" in some converted files, whose first move is red's): the record
    // then shows whose move it is by the first move, which only one side can make.
    std::optional<Side> side_to_move;
};

// A whole FEN: the board field (read forgivingly) and the side field.
FenPosition parse_fen(std::string_view fen);

std::string fen_board(const Position& board);
// The board field, the side ("w" or "b") and "- - 0 1", as engines take it.
std::string fen_text(const Position& board, Side side_to_move);

}  // namespace kelvara
