#include "view/board_view.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "view/board_geometry.h"
#include "view_fixture.h"

namespace kelvara {
namespace {

using board::square_origin;

int sprite_at(BoardSession& s, int x, int y) {
    for (int id : s.view.piece_sprites())
        if (s.canvas.sprite_left(id) == x && s.canvas.sprite_top(id) == y) return id;
    return -1;
}

TEST(BoardView, StartsWithTheEmptyBoardAndItsSevenSprites) {
    BoardSession s;
    for (int id = 1; id <= 7; ++id) EXPECT_TRUE(s.canvas.exists(id)) << id;
    EXPECT_FALSE(s.canvas.exists(8));
    EXPECT_FALSE(s.canvas.visible(board::kFromMarker));
    EXPECT_FALSE(s.canvas.visible(board::kToMarker));
    EXPECT_EQ(s.canvas.sprite_width(board::kCounterSprite), 0);
    EXPECT_EQ(s.canvas.sprite_width(board::kTitleSprite), 0);
    EXPECT_TRUE(s.view.piece_sprites().empty());
    // The display already shows the board: the field colour between the lines.
    EXPECT_EQ(s.view.display().at(40, 60), argb(180, 196, 184));
}

TEST(BoardView, PiecesSitOnTheirSquaresInBothOrientations) {
    BoardSession s;
    s.game.set_up_initial_position();
    s.view.redraw_board(s.game);
    EXPECT_EQ(s.view.piece_sprites().size(), 32u);
    EXPECT_NE(sprite_at(s, 14, 36), -1);   // red chariot, code 23
    EXPECT_NE(sprite_at(s, 118, 270), -1);  // black king, code 0
    EXPECT_EQ(s.view.find_piece_sprite(0, 0), sprite_at(s, 14, 36));
    EXPECT_EQ(s.view.find_piece_sprite(4, 4), -1);  // an empty square
    EXPECT_EQ(s.canvas.composed().at(26 + 26 * 4, 49 + 26 * 4), argb(0, 0, 0));  // a bare crossing

    BoardSession f;
    f.game.flip_state = 1;
    f.game.set_up_initial_position();
    f.view.redraw_board(f.game);
    EXPECT_NE(sprite_at(f, 118, 36), -1);  // the black king at the top
    // The black king's disc is the same on both boards (its corners show the board).
    const Image a = s.canvas.composed(), b = f.canvas.composed();
    for (int y = 6; y < 20; ++y)
        for (int x = 6; x < 20; ++x) ASSERT_EQ(a.at(118 + x, 270 + y), b.at(118 + x, 36 + y));
}

TEST(BoardView, MarkersLandOnTheDisplaySquaresOfTheMove) {
    BoardSession s;
    s.view.show_move_markers(1, 0, 9, 0, 7);
    EXPECT_TRUE(s.canvas.visible(board::kFromMarker));
    EXPECT_EQ(s.canvas.sprite_left(board::kFromMarker), 222);
    EXPECT_EQ(s.canvas.sprite_top(board::kFromMarker), 36);
    EXPECT_EQ(s.canvas.sprite_left(board::kToMarker), 222);
    EXPECT_EQ(s.canvas.sprite_top(board::kToMarker), 88);
    s.view.show_move_markers(0, 0, 9, 0, 7);
    EXPECT_EQ(s.canvas.sprite_left(board::kFromMarker), 14);
    EXPECT_EQ(s.canvas.sprite_top(board::kFromMarker), 270);
    EXPECT_EQ(s.canvas.sprite_top(board::kToMarker), 218);
    // Markers are no pieces.
    EXPECT_EQ(s.view.find_piece_sprite(9, 0), -1);
}

TEST(BoardView, CounterKeepsItsRightEdgeAt250) {
    BoardSession s;
    for (auto [total, current] : {std::pair{0, 0}, {5, 3}, {45, 3}, {347, 347}, {1000000, 0}}) {
        s.view.set_move_counter(total, current);
        EXPECT_GT(s.canvas.sprite_width(board::kCounterSprite), 0);
        EXPECT_EQ(s.canvas.sprite_left(board::kCounterSprite) + s.canvas.sprite_width(board::kCounterSprite), 250);
        EXPECT_EQ(s.canvas.sprite_top(board::kCounterSprite), 312);
    }
    BoardSession empty;
    test::load_pgn(empty, "[FEN \"4k4/9/9/9/9/9/9/9/9/4K4 w - - 0 1\"]\n");
    const int w00 = empty.canvas.sprite_width(board::kCounterSprite);
    empty.view.set_move_counter(0, 0);
    EXPECT_EQ(empty.canvas.sprite_width(board::kCounterSprite), w00);  // a record without moves shows 0-0
}

// The author line never runs into the counter: it is cut at a whole character, with a
// gap, only while the counter is wide enough to touch it.
TEST(BoardView, TheAuthorLineIsCutWhereItWouldTouchTheCounter) {
    BoardSession s;
    const std::string author = test::G("动画制作：第一届嘉宝杯象棋赛许银川");  // 16 characters
    s.view.set_move_counter(1543, 0);
    s.view.set_author_line(author);
    const int whole = s.canvas.sprite_width(board::kAuthorSprite);
    const int gap = s.canvas.sprite_left(board::kCounterSprite) - (board::kAuthorLeft + whole);
    EXPECT_GE(gap, board::kAuthorCounterGap);

    s.view.set_move_counter(1543, 1543);  // wider: the two would touch
    const int cut = s.canvas.sprite_width(board::kAuthorSprite);
    EXPECT_LT(cut, whole);
    EXPECT_EQ(cut % 12, 0);  // whole characters of 12 pixels
    EXPECT_LE(board::kAuthorLeft + cut, s.canvas.sprite_left(board::kCounterSprite) - board::kAuthorCounterGap);
    EXPECT_GT(board::kAuthorLeft + cut + 12, s.canvas.sprite_left(board::kCounterSprite) - board::kAuthorCounterGap);
    EXPECT_EQ(s.canvas.sprite_left(board::kAuthorSprite), board::kAuthorLeft);

    s.view.set_move_counter(1543, 1);  // room again: the whole line comes back
    EXPECT_EQ(s.canvas.sprite_width(board::kAuthorSprite), whole);

    // A short author is drawn as it always was, whatever the counter.
    BoardSession plain;
    plain.view.set_author_line(test::G("动画制作：某人"));
    plain.view.set_move_counter(9999, 9999);
    EXPECT_EQ(plain.canvas.sprite_width(board::kAuthorSprite), 7 * 12);
}

TEST(BoardView, ReportsTheAreasItsSquaresAndCounterCover) {
    BoardSession s;
    EXPECT_EQ(s.view.square_area({0, 0}), (Rect{14, 36, 40, 62}));
    EXPECT_EQ(s.view.square_area({9, 8}), (Rect{222, 270, 248, 296}));
    BoardSession twice(2);
    EXPECT_EQ(twice.view.square_area({0, 0}), (Rect{28, 72, 80, 124}));
    s.view.set_move_counter(5, 3);
    const Rect short_text = s.canvas.sprite_bounds(board::kCounterSprite);
    const Rect changed = s.view.set_move_counter(1000, 999);
    const Rect long_text = s.canvas.sprite_bounds(board::kCounterSprite);
    EXPECT_GT(long_text.width(), short_text.width());
    EXPECT_EQ(changed, unite(short_text, long_text));
    EXPECT_EQ(changed.right, 250);
    EXPECT_EQ(changed.top, 312);
    // When the wider counter cuts the author line, the line's area is part of the change.
    s.view.set_author_line(test::G("动画制作：第一届嘉宝杯象棋赛许银川"));
    s.view.set_move_counter(1543, 0);
    const Rect whole_author = s.canvas.sprite_bounds(board::kAuthorSprite);
    EXPECT_TRUE(s.view.set_move_counter(1543, 1543).contains(whole_author));
    EXPECT_FALSE(s.view.set_move_counter(1543, 1542).contains(whole_author));  // same width: not cut anew
}

TEST(BoardView, TitleIsCutAndCentred) {
    BoardSession s;
    std::string title = test::G("第一届嘉宝杯象棋对抗赛上海胡荣华先胜广东吕钦");
    s.view.show_title(title);
    EXPECT_EQ(title.size(), 36u);
    const int w = s.canvas.sprite_width(board::kTitleSprite);
    EXPECT_EQ(s.canvas.sprite_left(board::kTitleSprite), 130 - w / 2);
    EXPECT_EQ(s.canvas.sprite_top(board::kTitleSprite), 6);
}

}  // namespace
}  // namespace kelvara
