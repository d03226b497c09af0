#pragma once
// Comments as the game record keeps them: GBK, lines separated by "\n", without the
// line breaks and blanks that records leave at their ends.

#include <string>
#include <string_view>

namespace kelvara {

// CR LF and lone CR become "\n"; line breaks at the start and white space at the end go.
std::string tidy_comment(std::string_view text);

// A text field of a record: up to its first NUL byte, without blanks around it.
std::string field_text(std::string_view field);

}  // namespace kelvara
