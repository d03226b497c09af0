#include "pieces/piece_pictures.h"

#include <algorithm>
#include <cmath>

#include "asset_folder.h"
#include "board/board_geometry.h"
#include "raster/shapes.h"
#include "raster/text_paint.h"

namespace kelvara::generator {

namespace {

constexpr std::array<const char*, kPieceKinds> kKindNames = {"king",    "advisor", "elephant", "horse",
                                                             "chariot", "cannon",  "soldier"};
constexpr std::array<std::array<char32_t, kPieceKinds>, 2> kCharacters = {{
    {U'将', U'士', U'象', U'馬', U'車', U'炮', U'卒'},
    {U'帥', U'仕', U'相', U'馬', U'車', U'炮', U'兵'},
}};

// The disc is centred on the grid crossing, which lies half a pixel right of and one and
// a half below the middle of the cell's pixel (12, 12).
constexpr Point kCentre = {12.5, 13.5};
constexpr double kRadius = 12.0;
constexpr double kRimWidth = 1.4;
// A thin darker ring between rim and disc sets the rim off as a raised edge.
constexpr double kGrooveWidth = 0.6;
constexpr double kGrooveShade = 0.55;
// The character's box: odd, so that its middle pixel is the disc's centre; large enough
// for a bold character to read at 26 px.
constexpr int kCharacterBox = 17;

// Lit from above: the rim is brighter at the top than at the bottom.
Argb shaded(Argb base, Point p, double strength) {
    const double t = std::clamp((kCentre.y - p.y) / kRadius, -1.0, 1.0) * strength;
    auto channel = [t](int v) {
        const double out = t >= 0 ? v + (255 - v) * t : v * (1 + t);
        return static_cast<int>(std::lround(std::clamp(out, 0.0, 255.0)));
    };
    return argb(channel(red_of(base)), channel(green_of(base)), channel(blue_of(base)));
}

Argb darkened(Argb c, double factor) {
    auto channel = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return argb(channel(red_of(c)), channel(green_of(c)), channel(blue_of(c)));
}

Image draw_piece(const Font& font, bool red, int kind, int scale) {
    Surface image(kCell, kCell, scale, 0);
    const Argb disc = red ? kRedDisc : kBlackDisc;
    fill_ring(image, kCentre, 0, kRadius, [](Point p) { return shaded(kGoldRim, p, 0.35); });
    fill_ring(image, kCentre, 0, kRadius - kRimWidth, [](Point) { return darkened(kGoldRim, kGrooveShade); });
    fill_ring(image, kCentre, 0, kRadius - kRimWidth - kGrooveWidth, [disc](Point) { return disc; });
    // The box's middle is the disc's centre at every scale.
    const TextMask glyph = font.render_centred(kCharacters[red ? 1 : 0][kind], kCharacterBox * scale, Weight::Bold);
    const int left = (static_cast<int>(kCentre.x) - kCharacterBox / 2) * scale;
    const int top = (static_cast<int>(kCentre.y) - kCharacterBox / 2) * scale;
    paint_mask(image.image, glyph, left, top, kPieceCharacter);
    return std::move(image.image);
}

}  // namespace

const Image* PiecePictures::for_code(int code) const {
    if (!is_piece(code)) return nullptr;
    return &pictures[is_red(code) ? 1 : 0][static_cast<int>(piece_kind(code))];
}

PiecePictures draw_piece_pictures(const Font& font, int scale) {
    PiecePictures out;
    for (int side = 0; side < 2; ++side)
        for (int kind = 0; kind < kPieceKinds; ++kind)
            out.pictures[side][kind] = draw_piece(font, side == 1, kind, scale);
    return out;
}

std::string piece_file_name(bool red, PieceKind kind) {
    return std::string(red ? "red_" : "black_") + kKindNames[static_cast<int>(kind)] + ".png";
}

void write_piece_assets(const PiecePictures& pieces, const AssetFolder& folder, int scale) {
    for (int side = 0; side < 2; ++side)
        for (int kind = 0; kind < kPieceKinds; ++kind)
            folder.write_png(piece_file_name(side == 1, static_cast<PieceKind>(kind)), pieces.pictures[side][kind],
                             scale);
}

}  // namespace kelvara::generator
