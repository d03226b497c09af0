#pragma once
// The embedded pictures decoded for inspection, and the board geometry they must follow.

#include <span>
#include <string>
#include <vector>

#include "platform/image.h"

namespace kelvara::test {

// Decodes an embedded PNG; fails the current test (and returns an empty image) when the
// bytes are not a PNG.
Image embedded_picture(std::span<const unsigned char> png);

struct NamedPicture {
    std::string name;
    bool red;
    Image image;
};
// The fourteen piece pictures, black first, kinds from king to soldier.
std::vector<NamedPicture> piece_pictures();

constexpr int file_x(int column) { return 26 + 26 * column; }
constexpr int rank_y(int row) { return 49 + 26 * row; }

inline constexpr Argb kField = argb(180, 196, 184);
inline constexpr Argb kBlack = argb(0, 0, 0);
inline constexpr Argb kTextColour = argb(190, 76, 75);
inline constexpr Argb kBlue = argb(0, 0, 255);
inline constexpr Argb kWhite = argb(255, 255, 255);
inline constexpr Argb kKey = argb(0, 255, 255);

}  // namespace kelvara::test
