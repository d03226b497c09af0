#pragma once
// Coordinate notation: the from-square and the to-square, files a-i from red's left and
// ranks 0-9 from red's back rank. ICCS writes H2-E2; engines and many files write h2e2.

#include <optional>
#include <string>
#include <string_view>

#include "board/position.h"

namespace kelvara::notation {

// Read in either case, with or without the dash, full-width forms and annotation marks
// allowed; nullopt when the token is not a coordinate move.
std::optional<Move> parse_iccs_move(std::string_view token);

enum class IccsStyle {
    Dashed,  // H2-E2
    Ucci,    // h2e2
};
std::string iccs_move_text(Move move, IccsStyle style = IccsStyle::Dashed);

// A square in coordinates: file a-i (x = 8 - column) and rank 0-9 (the row).
constexpr int column_of_coordinate_file(int x) { return kColumns - 1 - x; }

}  // namespace kelvara::notation
