#pragma once
// Texts of records as the game record keeps them (GBK): comments with lines separated
// by "\n" and without the line breaks and blanks that records leave at their ends, text
// fields without their padding, results in PGN's words.

#include <string>
#include <string_view>

namespace kelvara {

// CR LF and lone CR become "\n"; line breaks at the start and white space at the end go.
std::string tidy_comment(std::string_view text);

// A text field of a record: up to its first NUL byte, without blanks around it.
std::string field_text(std::string_view field);

// The result as the binary records code it (1 red wins, 2 black wins, 3 draw) in PGN's
// words; "" for any other code (unknown).
std::string result_of_code(int code);

}  // namespace kelvara
