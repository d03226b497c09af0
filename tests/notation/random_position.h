#pragma once
// Random positions for the notation round trip: both kings in their palaces, advisors and
// elephants on their own points, pawns where a pawn of their side can stand, the other
// pieces anywhere; at most the real number of each kind, codes from the kind's range.

#include <random>

#include "board/position.h"

namespace kelvara::test {

// Pieces are drawn towards two chosen files now and then, so that twins, three pawns on a
// file and pawns on two files turn up often.
Position random_position(std::mt19937& random);

}  // namespace kelvara::test
