#pragma once
// Moves as records lay them out in text: a word between blanks may hold a move number
// (12. 3... 1…), annotation marks, one move, or several Chinese moves glued together
// (1.炮二平五马８进７). These find the moves of a word and tell which notation a record's
// words are written in.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "notation/notation.h"

namespace kelvara::notation {

// The moves of a word (GBK, no blanks), as written. Words that are no move (a move
// number, a NAG, a word of text) give none; a word shaped like a move that the notation
// cannot read is kept, so that the reader reports it rather than it vanishing.
std::vector<std::string> moves_in_word(Notation notation, std::string_view word);

// The notation in which most of the words hold moves (the first few dozen words are
// looked at); Chinese when none do.
Notation notation_of_words(std::span<const std::string> words);

}  // namespace kelvara::notation
