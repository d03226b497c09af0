#pragma once
// WXF notation, read and written: a piece letter, the from-file counted from the mover's
// right, a direction (+ forward, - back, . or = sideways) and a number (rows moved, or the
// destination file): C2.5, H8+7, R9=8. Pieces of one kind sharing a file are told apart
// by signs in place of the file or the letter:
//   R+.3 R-+1      front and rear of two
//   P+ P3 P-       three pawns on file 3 (the middle one keeps its file)
//   ++ P+ P- --    four pawns; five add the middle P<file>
//   3+ 33 3- 7+ 7- pawns on two files, the file digit in place of the letter
// Read also: full-width characters (Ｃ２＝５), lower case (h8+7), B and N for the elephant
// and the horse (and G and M), the sign before the letter (+C-2), a to e numbering four or
// five pawns, P. for a middle pawn, and annotation marks (P3+1!!, C2.5?, C2.5+).

#include <optional>
#include <string>
#include <string_view>

#include "board/position.h"
#include "notation/move_description.h"

namespace kelvara::notation {

// nullopt when the token is not a WXF move.
std::optional<MoveDescription> parse_wxf_move(std::string_view token);

// Upper case for both sides, as the federation writes it; "" when no piece stands on the
// from-square.
std::string wxf_move_text(const Position& board, Move move);

}  // namespace kelvara::notation
