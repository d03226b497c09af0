#pragma once
// The colours of the window skin: an olive ground, dark wood panels, red lacquer and
// gold, chosen to sit around the grey-green board and its gold-rimmed pieces.

#include "platform/image.h"

namespace kelvara::generator::skin {

// The patterned ground and the relief of its fret lines.
inline constexpr Argb kOlive = argb(94, 98, 58);
inline constexpr Argb kOliveLight = argb(106, 110, 66);
inline constexpr Argb kOliveDark = argb(80, 84, 48);

// Dark wood behind the board and the move list, and the list's own background.
inline constexpr Argb kWood = argb(40, 36, 25);
inline constexpr Argb kWoodEdge = argb(66, 60, 42);
inline constexpr Argb kWoodDeep = argb(22, 20, 14);
inline constexpr Argb kListBackground = argb(28, 26, 19);

// Gold of the rims and ornaments, near the gold of the piece rims.
inline constexpr Argb kGold = argb(206, 166, 74);
inline constexpr Argb kGoldLight = argb(240, 208, 128);
inline constexpr Argb kGoldDark = argb(140, 106, 44);

// Red lacquer of the title strips and the labelled buttons.
inline constexpr Argb kLacquer = argb(128, 30, 24);
inline constexpr Argb kLacquerLight = argb(164, 46, 36);
inline constexpr Argb kLacquerDark = argb(84, 18, 14);

// Light text on the strips, the buttons and the dark panels.
inline constexpr Argb kCream = argb(242, 228, 190);
// The labels Qt draws on the settings dialog.
inline constexpr Argb kLabelText = argb(236, 224, 190);

}  // namespace kelvara::generator::skin
