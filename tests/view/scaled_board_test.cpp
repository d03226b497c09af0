// The board at scale 2 and 3: the same layout, every length multiplied, drawn from the
// pictures made for that scale rather than blown up from scale 1.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bmp_codec.h"
#include "platform/font.h"
#include "view/board_commands.h"
#include "view/board_geometry.h"
#include "view_fixture.h"

namespace kelvara {
namespace {

using board::kCounterSprite;
using board::kFromMarker;
using board::kTitleSprite;
using board::kToMarker;

TEST(ScaleForPixelRatio, TakesTheNextWholeScaleUpWithinThree) {
    EXPECT_EQ(board::scale_for_pixel_ratio(1.0), 1);
    EXPECT_EQ(board::scale_for_pixel_ratio(1.005), 1);  // rounding noise of a 100 % screen
    EXPECT_EQ(board::scale_for_pixel_ratio(1.25), 2);
    EXPECT_EQ(board::scale_for_pixel_ratio(1.5), 2);
    EXPECT_EQ(board::scale_for_pixel_ratio(2.0), 2);
    EXPECT_EQ(board::scale_for_pixel_ratio(2.5), 3);
    EXPECT_EQ(board::scale_for_pixel_ratio(4.0), 3);
    EXPECT_EQ(board::scale_for_pixel_ratio(0.5), 1);
    EXPECT_EQ(board::scale_for_pixel_ratio(0.0 / 0.0), 1);
    EXPECT_EQ(board::clamp_scale(0), 1);
    EXPECT_EQ(board::clamp_scale(7), 3);
}

class ScaledBoard : public ::testing::TestWithParam<int> {};

TEST_P(ScaledBoard, EveryPlaceIsTheScaledPlaceOfScaleOne) {
    const int s = GetParam();
    BoardSession one, scaled(s);
    EXPECT_EQ(scaled.view.scale(), s);
    EXPECT_EQ(scaled.canvas.width(), 260 * s);
    EXPECT_EQ(scaled.canvas.height(), 330 * s);
    for (BoardSession* b : {&one, &scaled}) {
        test::load_pgn(*b, std::string("[Event \"第一轮\"]\n") + test::kShortGame);
        b->list.select(4);
    }
    ASSERT_EQ(scaled.view.piece_sprites().size(), one.view.piece_sprites().size());
    for (std::size_t i = 0; i < one.view.piece_sprites().size(); ++i) {
        const int a = one.view.piece_sprites()[i], b = scaled.view.piece_sprites()[i];
        EXPECT_EQ(scaled.canvas.sprite_left(b), one.canvas.sprite_left(a) * s);
        EXPECT_EQ(scaled.canvas.sprite_top(b), one.canvas.sprite_top(a) * s);
        EXPECT_EQ(scaled.canvas.sprite_width(b), 26 * s);
    }
    for (int id : {kFromMarker, kToMarker}) {
        EXPECT_TRUE(scaled.canvas.visible(id));
        EXPECT_EQ(scaled.canvas.sprite_left(id), one.canvas.sprite_left(id) * s);
        EXPECT_EQ(scaled.canvas.sprite_top(id), one.canvas.sprite_top(id) * s);
    }
    // The text lines keep their anchors: the counter's right edge, the title's centre.
    const int counter_right = scaled.canvas.sprite_left(kCounterSprite) + scaled.canvas.sprite_width(kCounterSprite);
    EXPECT_EQ(counter_right, 250 * s);
    EXPECT_EQ(scaled.canvas.sprite_top(kCounterSprite), 312 * s);
    const int title_middle = scaled.canvas.sprite_left(kTitleSprite) + scaled.canvas.sprite_width(kTitleSprite) / 2;
    EXPECT_NEAR(title_middle, 130 * s, 1);
    EXPECT_EQ(scaled.canvas.sprite_top(kTitleSprite), 6 * s);
    if (Font::find_song()) {
        // Glyphs drawn at the larger size, not stretched: about s times as wide.
        const int w1 = one.canvas.sprite_width(kTitleSprite), ws = scaled.canvas.sprite_width(kTitleSprite);
        EXPECT_NEAR(ws, w1 * s, 2 * s);
    }
    // Each piece stands where playback left it, on its square's cell at the scale.
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 9; ++c) {
            const int id = scaled.view.find_piece_sprite(r, c);
            EXPECT_EQ(id != -1, one.view.find_piece_sprite(r, c) != -1) << r << "," << c;
            if (id == -1) continue;
            EXPECT_EQ(scaled.canvas.sprite_left(id), scaled.view.square_origin(r, c).x) << r << "," << c;
            EXPECT_EQ(scaled.canvas.sprite_top(id), scaled.view.square_origin(r, c).y) << r << "," << c;
        }
}

TEST_P(ScaledBoard, PlayingAndTakingBackEndsOnTheFreshPicture) {
    const int s = GetParam();
    BoardSession b(s);
    test::load_pgn(b, test::kShortGame, 1);
    b.list.select(5);
    b.list.select(1);
    EXPECT_EQ(b.canvas.composed(), test::fresh_picture(b.game, 1, s));
}

// Averaged over its s × s blocks the finer picture is the scale-1 picture, near enough;
// yet it has detail inside the blocks, which a blown-up picture never has.
TEST_P(ScaledBoard, IsTheSameBoardDrawnFinerNotBlownUp) {
    const int s = GetParam();
    BoardSession one, scaled(s);
    for (BoardSession* b : {&one, &scaled}) test::load_pgn(*b, test::kShortGame);
    const Image& a = one.canvas.composed();
    const Image& f = scaled.canvas.composed();
    long total_difference = 0;
    int blocks_with_detail = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            int sum[3] = {0, 0, 0};
            bool uniform = true;
            for (int dy = 0; dy < s; ++dy)
                for (int dx = 0; dx < s; ++dx) {
                    const Argb p = f.at(x * s + dx, y * s + dy);
                    uniform = uniform && p == f.at(x * s, y * s);
                    sum[0] += red_of(p), sum[1] += green_of(p), sum[2] += blue_of(p);
                }
            if (!uniform) ++blocks_with_detail;
            const Argb p = a.at(x, y);
            total_difference += std::abs(sum[0] / (s * s) - red_of(p)) + std::abs(sum[1] / (s * s) - green_of(p)) +
                                std::abs(sum[2] / (s * s) - blue_of(p));
        }
    const double mean = static_cast<double>(total_difference) / (3.0 * a.width * a.height);
    EXPECT_LT(mean, 6.0) << "the scaled board does not look like the board";
    // The 32 pieces' rims and characters alone hold thousands of such blocks.
    EXPECT_GT(blocks_with_detail, 3000);
}

TEST_P(ScaledBoard, SnapshotIsTheScaledTop320Rows) {
    const int s = GetParam();
    BoardSession b(s);
    test::load_pgn(b, test::kShortGame);
    const auto bytes = take_board_picture(b.view);
    const auto picture = decode_bmp(bytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 260 * s);
    EXPECT_EQ(picture->height, 320 * s);
    EXPECT_TRUE(b.canvas.visible(kCounterSprite));  // shown again afterwards
}

// The desktop program shows a scaled board but saves the scale-1 picture, drawn afresh
// from the game: it must be the picture a scale-1 view of the same game gives.
TEST_P(ScaledBoard, PictureDrawnAfreshAtScaleOneIsTheScaleOneViewsOwn) {
    const int s = GetParam();
    BoardSession one, scaled(s);
    for (BoardSession* b : {&one, &scaled}) {
        test::load_pgn(*b, std::string("[Event \"第一轮\"]\n") + test::kShortGame, 1);
        b->list.select(5);
        b->list.select(2);
    }
    const auto expected = take_board_picture(one.view);
    EXPECT_EQ(take_board_picture(scaled.game, scaled.list.selection(), 1), expected);
    EXPECT_EQ(take_board_picture(one.game, one.list.selection(), 1), expected);
    EXPECT_EQ(take_board_picture(scaled.game, scaled.list.selection(), s), take_board_picture(scaled.view));
}

INSTANTIATE_TEST_SUITE_P(TwoAndThree, ScaledBoard, ::testing::Values(2, 3));

}  // namespace
}  // namespace kelvara
