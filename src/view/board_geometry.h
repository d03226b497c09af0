#pragma once
// Where things are on the board canvas. The board picture's grid lines lie at
// x = 26 + 26·column and y = 49 + 26·row, so a 26×26 piece placed at the square origin
// has its centre on the crossing.

#include "platform/image.h"
#include "board/position.h"

namespace kelvara::board {

// The board is drawn at scale 1, 2 or 3: at scale s every length below is s times
// longer, and the pictures drawn for that scale are used. Scale 1 is the picture that
// snapshots and animations are laid out by; 2 and 3 serve denser screens.
inline constexpr int kMaxScale = 3;
constexpr int clamp_scale(int scale) { return scale < 1 ? 1 : scale > kMaxScale ? kMaxScale : scale; }
// The scale that shows the board sharp at a device pixel ratio: the next whole one up,
// so that the picture is at most scaled down, never blown up (within kMaxScale).
constexpr int scale_for_pixel_ratio(double ratio) {
    if (!(ratio > 1.01)) return 1;  // NaN too
    if (ratio >= kMaxScale) return kMaxScale;
    int scale = static_cast<int>(ratio);
    if (ratio - scale > 0.01) ++scale;
    return clamp_scale(scale);
}

inline constexpr int kWidth = 260;
inline constexpr int kHeight = 330;
// The snapshot leaves out the bottom band with the move counter and the author line.
inline constexpr int kSnapshotHeight = 320;

// Sprites created by set up board canvas, in this order; piece sprites follow.
inline constexpr int kBoardSprite = 1;
inline constexpr int kFileLabelSprite = 2;
inline constexpr int kFromMarker = 3;
inline constexpr int kToMarker = 4;
inline constexpr int kCounterSprite = 5;
inline constexpr int kTitleSprite = 6;
inline constexpr int kAuthorSprite = 7;

inline constexpr int kCounterLeft = 204;
inline constexpr int kCounterRight = 250;
inline constexpr int kCounterTop = 312;
inline constexpr int kTitleLeft = 5;
inline constexpr int kTitleTop = 6;
inline constexpr int kTitleCentre = 130;
inline constexpr int kAuthorLeft = 10;
inline constexpr int kAuthorTop = 312;
// The author line ends at least this far left of the move counter beside it.
inline constexpr int kAuthorCounterGap = 4;

inline constexpr Argb kTextColour = argb(190, 76, 75);

struct Point {
    int x;
    int y;
    friend constexpr bool operator==(Point, Point) = default;
};

// Top-left of the cell of a display square, where piece and marker sprites go.
constexpr Point square_origin(int row, int column) { return {14 + 26 * column, 36 + 26 * row}; }
// The point the hit test probes to find the piece on a display square.
constexpr Point square_probe(int row, int column) { return {26 + 26 * column, 48 + 26 * row}; }

// The display square of a record square for the flip state.
constexpr Square display_square(int flip_state, int row, int column) {
    return flip_state == 1 ? rotated(Square{row, column}) : Square{row, column};
}

}  // namespace kelvara::board
