// The piece pictures: a disc on a transparent ground that the hit test finds at the
// square centre, in its side's colour, with a white character.

#include <gtest/gtest.h>

#include <cmath>

#include "asset_pictures.h"

namespace kelvara {
namespace {

using namespace test;

TEST(PiecePictures, DiscsOnATransparentGround) {
    for (const auto& piece : piece_pictures()) {
        const Image& image = piece.image;
        ASSERT_EQ(image.width, 26) << piece.name;
        ASSERT_EQ(image.height, 26) << piece.name;
        EXPECT_EQ(alpha_of(image.at(12, 12)), 255) << piece.name << ": the hit test probes the centre";
        for (auto [x, y] : {std::pair{0, 0}, {25, 0}, {0, 25}, {25, 25}})
            EXPECT_EQ(alpha_of(image.at(x, y)), 0) << piece.name << " corner " << x << "," << y;
        // Round: opaque within the disc, transparent well outside it, blended between.
        int blended = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 26; ++x) {
                const double d = std::hypot(x + 0.5 - 12.5, y + 0.5 - 13.5);
                const int a = alpha_of(image.at(x, y));
                if (d < 10.5) {
                    EXPECT_EQ(a, 255) << piece.name << " " << x << "," << y;
                }
                if (d > 13.5) {
                    EXPECT_EQ(a, 0) << piece.name << " " << x << "," << y;
                }
                if (a > 0 && a < 255) ++blended;
            }
        EXPECT_GT(blended, 20) << piece.name << ": the edge should be anti-aliased";
    }
}

TEST(PiecePictures, SideColourWithAWhiteCharacter) {
    for (const auto& piece : piece_pictures()) {
        int white = 0;
        int side_colour = 0;
        int gold = 0;
        for (Argb p : piece.image.pixels) {
            if (alpha_of(p) != 255) continue;
            const int r = red_of(p), g = green_of(p), b = blue_of(p);
            if (r > 235 && g > 235 && b > 235) ++white;
            if (piece.red ? (r > 150 && g < 60 && b < 60) : (r < 40 && g < 40 && b < 40)) ++side_colour;
            if (r > 150 && g > 110 && b < 120 && r > b + 60) ++gold;
        }
        EXPECT_GT(white, 25) << piece.name << ": the character";
        EXPECT_GT(side_colour, 90) << piece.name << ": the disc";
        EXPECT_GT(gold, 30) << piece.name << ": the rim";
    }
}

TEST(PiecePictures, EveryPieceHasItsOwnPicture) {
    const auto pieces = piece_pictures();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            EXPECT_NE(pieces[i].image, pieces[j].image) << pieces[i].name << " and " << pieces[j].name;
}

}  // namespace
}  // namespace kelvara
