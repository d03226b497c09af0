#pragma once
// Where things stand on the 260 × 330 board canvas. The board picture, the sprites
// placed over it and every frame of an animation share these numbers.

#include "platform/image.h"
#include "view/board_geometry.h"

namespace kelvara::generator {

// The numbers the board view places its sprites by, so pictures and sprites agree.
inline constexpr int kCanvasWidth = board::kWidth;
inline constexpr int kCanvasHeight = board::kHeight;
inline constexpr int kCell = 26;

// Grid lines: file c at x = 26 + 26·c, rank r at y = 49 + 26·r.
constexpr int file_x(int column) { return 26 + kCell * column; }
constexpr int rank_y(int row) { return 49 + kCell * row; }
inline constexpr int kGridLeft = file_x(0);
inline constexpr int kGridRight = file_x(8);
inline constexpr int kGridTop = rank_y(0);
inline constexpr int kGridBottom = rank_y(9);

// Top-left pixel of the 26 × 26 cell in which a piece or marker sprite stands.
constexpr int square_left(int column) { return board::square_origin(0, column).x; }
constexpr int square_top(int row) { return board::square_origin(row, 0).y; }

// The double frame's outer line, 2 px thick, around the grid's own border.
inline constexpr int kFrameLeft = 22;
inline constexpr int kFrameRight = 238;
inline constexpr int kFrameTop = 45;
inline constexpr int kFrameBottom = 287;
inline constexpr int kFrameThickness = 2;

// Bands of the file numbers above and below the board.
inline constexpr int kTopLabelTop = 23;
inline constexpr int kTopLabelBottom = 31;
inline constexpr int kBottomLabelTop = 299;
inline constexpr int kBottomLabelBottom = 306;

// The text lines drawn by the board view over the field.
inline constexpr int kTitleTop = board::kTitleTop;
inline constexpr int kFooterTop = board::kCounterTop;
inline constexpr int kAuthorLeft = board::kAuthorLeft;
inline constexpr int kCounterRight = board::kCounterRight;

inline constexpr Argb kFieldColour = argb(180, 196, 184);
inline constexpr Argb kLineColour = argb(0, 0, 0);
inline constexpr Argb kTextColour = board::kTextColour;
inline constexpr Argb kMarkerColour = argb(0, 0, 255);

}  // namespace kelvara::generator
