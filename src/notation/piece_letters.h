#pragma once
// The letters of the pieces in the notations written in letters (WXF, algebraic): K A E
// H R C P as written, and B and N for the elephant and the horse, G and M (the older guard
// and minister) as records also write them.

#include "board/piece.h"

namespace kelvara::notation {

// Either case; PieceKind::None for a letter that names no piece.
PieceKind kind_of_letter(char letter);
// Upper case.
char letter_of(PieceKind kind);

}  // namespace kelvara::notation
