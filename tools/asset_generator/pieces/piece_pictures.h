#pragma once
// The fourteen 26 × 26 piece pictures: a disc with a gold rim and a white character,
// black or red, on a transparent ground.

#include <array>
#include <string>

#include "platform/font.h"
#include "platform/image.h"
#include "board/piece.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator {

inline constexpr int kPieceKinds = 7;

// Indexed [red ? 1 : 0][kind], kinds in the order of PieceKind.
struct PiecePictures {
    std::array<std::array<Image, kPieceKinds>, 2> pictures;
    // nullptr for a code that shows no piece.
    const Image* for_code(int code) const;
};

PiecePictures draw_piece_pictures(const Font& font, int scale = 1);

// black_king.png … red_soldier.png, with "@2x" or "@3x" in the names of larger scales.
void write_piece_assets(const PiecePictures& pieces, const AssetFolder& folder, int scale = 1);

// The file name of a piece picture, for example "red_cannon.png".
std::string piece_file_name(bool red, PieceKind kind);

// The disc colours, which the animation palette keeps exact.
inline constexpr Argb kBlackDisc = argb(22, 22, 22);
inline constexpr Argb kRedDisc = argb(196, 32, 28);
inline constexpr Argb kGoldRim = argb(214, 172, 66);
inline constexpr Argb kPieceCharacter = argb(255, 255, 255);

}  // namespace kelvara::generator
