// The board, file-label and marker pictures follow the board view's geometry exactly:
// the pieces and markers are placed by these numbers, so a line one pixel off shows.

#include <gtest/gtest.h>

#include "asset_pictures.h"
#include "kelvara_assets.h"

namespace kelvara {
namespace {

using namespace test;

// Pixels of the board picture printed as colours in failure messages.
testing::AssertionResult has_colour(const Image& image, int x, int y, Argb expected) {
    const Argb p = image.at(x, y);
    if (p == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << red_of(p) << "," << green_of(p)
                                       << "," << blue_of(p) << "," << alpha_of(p);
}

bool in_palace_cell(int row, int column) { return (column == 3 || column == 4) && (row <= 1 || row >= 7); }

class BoardPicture : public testing::Test {
protected:
    Image board = embedded_picture(assets::board_png);
};

TEST_F(BoardPicture, IsAnOpaque260By330Picture) {
    ASSERT_EQ(board.width, 260);
    ASSERT_EQ(board.height, 330);
    for (Argb p : board.pixels) ASSERT_EQ(alpha_of(p), 255);
}

TEST_F(BoardPicture, GridLinesLieAtTheSquareCentres) {
    ASSERT_EQ(board.width, 260);
    for (int r = 0; r < 10; ++r)
        for (int x = file_x(0); x <= file_x(8); ++x) EXPECT_TRUE(has_colour(board, x, rank_y(r), kBlack));
    for (int c = 0; c < 9; ++c)
        for (int y = rank_y(0); y <= rank_y(9); ++y) {
            const bool river = y > rank_y(4) && y < rank_y(5);
            if (river && c != 0 && c != 8)
                EXPECT_TRUE(has_colour(board, file_x(c), y, kField)) << "the river is open at file " << c;
            else
                EXPECT_TRUE(has_colour(board, file_x(c), y, kBlack));
        }
}

TEST_F(BoardPicture, FieldColourFillsTheSquaresBetweenTheLines) {
    ASSERT_EQ(board.width, 260);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 8; ++c) {
            if (in_palace_cell(r, c)) continue;
            EXPECT_TRUE(has_colour(board, file_x(c) + 13, rank_y(r) + 13, kField)) << "square " << r << "," << c;
            EXPECT_TRUE(has_colour(board, file_x(c) + 1, rank_y(r) + 1, kField)) << "square " << r << "," << c;
        }
}

TEST_F(BoardPicture, PalaceDiagonalsCrossAtThePalaceCentres) {
    ASSERT_EQ(board.width, 260);
    for (int centre_row : {1, 8}) {
        EXPECT_TRUE(has_colour(board, file_x(4) + 6, rank_y(centre_row) + 6, kBlack));
        EXPECT_TRUE(has_colour(board, file_x(4) - 6, rank_y(centre_row) + 6, kBlack));
        EXPECT_TRUE(has_colour(board, file_x(4) + 6, rank_y(centre_row) - 6, kBlack));
        EXPECT_TRUE(has_colour(board, file_x(4) - 6, rank_y(centre_row) - 6, kBlack));
    }
    // Nothing diagonal outside the palaces.
    EXPECT_TRUE(has_colour(board, file_x(1) + 6, rank_y(1) + 6, kField));
    EXPECT_TRUE(has_colour(board, file_x(4) + 6, rank_y(4) + 6, kField));
}

TEST_F(BoardPicture, DoubleFrameSurroundsTheGrid) {
    ASSERT_EQ(board.width, 260);
    for (int x : {22, 23, 237, 238}) {
        EXPECT_TRUE(has_colour(board, x, 166, kBlack));
        EXPECT_TRUE(has_colour(board, x, 60, kBlack));
    }
    for (int y : {45, 46, 286, 287}) EXPECT_TRUE(has_colour(board, 130, y, kBlack));
    // The gap between the frame and the grid's own border.
    for (int x : {21, 24, 25, 235, 236, 239}) EXPECT_TRUE(has_colour(board, x, 166, kField));
    for (int y : {44, 47, 48, 284, 285, 288}) EXPECT_TRUE(has_colour(board, 130, y, kField));
}

TEST_F(BoardPicture, PointMarksStandAtCannonAndSoldierPointsOnly) {
    ASSERT_EQ(board.width, 260);
    // A tick a few pixels from the crossing, in a quadrant of the square.
    auto ticked = [&](int row, int column, int sx, int sy) {
        return board.at(file_x(column) + 4 * sx, rank_y(row) + 3 * sy) == kBlack &&
               board.at(file_x(column) + 3 * sx, rank_y(row) + 4 * sy) == kBlack;
    };
    for (int row : {2, 7})
        for (int column : {1, 7})
            for (int s : {-1, 1}) {
                EXPECT_TRUE(ticked(row, column, s, s)) << row << "," << column;
                EXPECT_TRUE(ticked(row, column, s, -s)) << row << "," << column;
            }
    for (int row : {3, 6})
        for (int column = 0; column <= 8; column += 2)
            for (int s : {-1, 1}) {
                // The edge files carry ticks on their inner side only.
                if ((column == 0 && s < 0) || (column == 8 && s > 0)) continue;
                EXPECT_TRUE(ticked(row, column, s, s)) << row << "," << column;
                EXPECT_TRUE(ticked(row, column, s, -s)) << row << "," << column;
            }
    // Outward ticks at the edge files would cross the frame into the field beyond it.
    for (int row : {3, 6})
        for (int dy : {-3, 3})
            for (int x : {19, 20, 21, 239, 240, 241}) EXPECT_TRUE(has_colour(board, x, rank_y(row) + dy, kField));
    // A plain point has no ticks.
    EXPECT_FALSE(ticked(3, 1, 1, 1));
    EXPECT_FALSE(ticked(2, 4, 1, 1));
}

TEST_F(BoardPicture, TextBandsArePlainField) {
    ASSERT_EQ(board.width, 260);
    constexpr int kBevel = 3;  // the lighter and darker edge of the picture
    for (int x = kBevel; x < 260 - kBevel; ++x) {
        for (int y = kBevel; y <= 20; ++y) ASSERT_TRUE(has_colour(board, x, y, kField));
        for (int y = 308; y < 330 - kBevel; ++y) ASSERT_TRUE(has_colour(board, x, y, kField));
    }
}

TEST_F(BoardPicture, EdgeIsBevelled) {
    ASSERT_EQ(board.width, 260);
    auto brightness = [&](int x, int y) { return red_of(board.at(x, y)) + green_of(board.at(x, y)); };
    const int field = red_of(kField) + green_of(kField);
    EXPECT_GT(brightness(0, 160), field);
    EXPECT_GT(brightness(130, 0), field);
    EXPECT_LT(brightness(259, 160), field);
    EXPECT_LT(brightness(130, 329), field);
}

// Ink of a label band: alpha of the glyph pixels, relative to the file line.
std::vector<int> label_patch(const Image& labels, int column, int band_top, int rows) {
    std::vector<int> patch;
    for (int y = band_top; y < band_top + rows; ++y)
        for (int x = file_x(column) - 6; x <= file_x(column) + 6; ++x) patch.push_back(alpha_of(labels.at(x, y)));
    return patch;
}

bool has_ink(const std::vector<int>& patch) {
    for (int a : patch)
        if (a > 128) return true;
    return false;
}

TEST(FileLabels, BlackGlyphsOnlyInsideTheTwoBands) {
    for (const auto& png : {assets::file_labels_0_png, assets::file_labels_1_png}) {
        const Image labels = embedded_picture(png);
        ASSERT_EQ(labels.width, 260);
        ASSERT_EQ(labels.height, 330);
        for (int y = 0; y < 330; ++y)
            for (int x = 0; x < 260; ++x) {
                const Argb p = labels.at(x, y);
                if (alpha_of(p) == 0) continue;
                EXPECT_TRUE((y >= 23 && y <= 31) || (y >= 299 && y <= 306)) << "ink at " << x << "," << y;
                EXPECT_EQ(p & 0xFFFFFFu, 0u) << "a label pixel that is not black at " << x << "," << y;
            }
        for (int c = 0; c < 9; ++c) {
            EXPECT_TRUE(has_ink(label_patch(labels, c, 23, 9))) << "no number over file " << c;
            EXPECT_TRUE(has_ink(label_patch(labels, c, 299, 8))) << "no number under file " << c;
        }
    }
}

TEST(FileLabels, TurningTheBoardReversesTheNumbers) {
    const Image unturned = embedded_picture(assets::file_labels_0_png);
    const Image turned = embedded_picture(assets::file_labels_1_png);
    ASSERT_EQ(unturned.width, 260);
    ASSERT_EQ(turned.width, 260);
    // Digit d stands under file 9 − d unturned and over file d − 1 turned (both 8 rows
    // high); numeral n over file n − 1 unturned and under file 9 − n turned.
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(label_patch(unturned, 9 - d, 299, 8), label_patch(turned, d - 1, 23, 8)) << "digit " << d;
        EXPECT_TRUE(has_ink(label_patch(unturned, d - 1, 23, 9)));
        EXPECT_TRUE(has_ink(label_patch(turned, 9 - d, 299, 8)));
    }
    // Numerals and digits differ: the two rows of one picture are not the same glyphs.
    EXPECT_NE(label_patch(unturned, 0, 23, 8), label_patch(unturned, 8, 299, 8));
}

struct MarkerCase {
    const char* name;
    std::span<const unsigned char> png;
    std::vector<std::pair<int, int>> blue;         // bracket pixels
    std::vector<std::pair<int, int>> transparent;  // just beyond the brackets
};

TEST(MoveMarkers, BracketsAtTheirCornersAndAnOpenCentre) {
    const std::vector<MarkerCase> cases = {
        {"from", assets::from_marker_png,
         {{4, 4}, {8, 4}, {4, 8}, {21, 4}, {17, 4}, {4, 21}, {4, 17}, {21, 21}, {17, 21}, {21, 17}},
         {{3, 3}, {9, 4}, {4, 9}, {22, 22}, {0, 0}, {25, 25}}},
        {"to", assets::to_marker_png,
         {{0, 0}, {5, 0}, {0, 5}, {25, 0}, {20, 0}, {0, 25}, {0, 20}, {25, 25}, {20, 25}, {25, 20}},
         {{6, 0}, {0, 6}, {19, 25}, {25, 19}}},
    };
    for (const auto& m : cases) {
        const Image marker = embedded_picture(m.png);
        ASSERT_EQ(marker.width, 26) << m.name;
        ASSERT_EQ(marker.height, 26) << m.name;
        for (auto [x, y] : m.blue) EXPECT_TRUE(has_colour(marker, x, y, kBlue)) << m.name;
        for (auto [x, y] : m.transparent) EXPECT_EQ(alpha_of(marker.at(x, y)), 0) << m.name << " " << x << "," << y;
        // The hit test probes the centre and must reach the piece or board beneath.
        for (int y = 9; y <= 16; ++y)
            for (int x = 9; x <= 16; ++x) EXPECT_EQ(alpha_of(marker.at(x, y)), 0) << m.name;
        for (Argb p : marker.pixels) {
            if (alpha_of(p) != 0) {
                EXPECT_TRUE(blue_of(p) > 128 && red_of(p) < 64 && green_of(p) < 64) << m.name;
            }
        }
    }
}

}  // namespace
}  // namespace kelvara
