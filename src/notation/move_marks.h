#pragma once
// What surrounds a move written in letters: full-width forms, annotation marks before and
// after it (!, ?, !!, ?!), and a check or mate sign after it.

#include <string>
#include <string_view>

namespace kelvara::notation {

// The token in ASCII (full-width forms folded) without annotation marks; a trailing + or
// # is dropped only when the move without it is longer than min_length, since WXF writes
// + as a direction.
std::string bare_move(std::string_view token, std::size_t min_length);

}  // namespace kelvara::notation
