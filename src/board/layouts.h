#pragma once
// The two start arrangements as tables of 90 codes, row-major.

#include "board/position.h"

namespace kelvara {
namespace layouts {

inline constexpr PieceCode E = kEmpty;

inline constexpr Position kStandardLayout = {{
    {23, 21, 19, 17, 16, 18, 20, 22, 24},
    {E, E, E, E, E, E, E, E, E},
    {E, 25, E, E, E, E, E, 26, E},
    {27, E, 28, E, 29, E, 30, E, 31},
    {E, E, E, E, E, E, E, E, E},
    {E, E, E, E, E, E, E, E, E},
    {11, E, 12, E, 13, E, 14, E, 15},
    {E, 9, E, E, E, E, E, 10, E},
    {E, E, E, E, E, E, E, E, E},
    {7, 5, 3, 1, 0, 2, 4, 6, 8},
}};

// The standard arrangement seen from the other side. Not the square-for-square rotation:
// in each pair the odd code stays on the viewer's left.
inline constexpr Position kFlippedLayout = {{
    {7, 5, 3, 1, 0, 2, 4, 6, 8},
    {E, E, E, E, E, E, E, E, E},
    {E, 9, E, E, E, E, E, 10, E},
    {11, E, 12, E, 13, E, 14, E, 15},
    {E, E, E, E, E, E, E, E, E},
    {E, E, E, E, E, E, E, E, E},
    {27, E, 28, E, 29, E, 30, E, 31},
    {E, 25, E, E, E, E, E, 26, E},
    {E, E, E, E, E, E, E, E, E},
    {23, 21, 19, 17, 16, 18, 20, 22, 24},
}};

}  // namespace layouts

using layouts::kFlippedLayout;
using layouts::kStandardLayout;

}  // namespace kelvara
