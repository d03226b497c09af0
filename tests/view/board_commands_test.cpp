#include "view/board_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/bmp_codec.h"
#include "platform/png_codec.h"
#include "view/board_geometry.h"
#include "view_fixture.h"

namespace kelvara {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

TEST(TurnBoard, RefusesWithoutMoves) {
    BoardSession s;
    EXPECT_FALSE(turn_board(s.game, s.list, s.view));
    EXPECT_EQ(s.game.flip_state, 0);
}

TEST(TurnBoard, TwiceRestoresTheSamePicture) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    s.list.select(4);
    const Image before = s.view.display();
    ASSERT_TRUE(turn_board(s.game, s.list, s.view));
    EXPECT_EQ(s.game.flip_state, 1);
    EXPECT_NE(s.view.display(), before);
    // The turned board is what a board flipped from the start would show at this move.
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 4));
    ASSERT_TRUE(turn_board(s.game, s.list, s.view));
    EXPECT_EQ(s.view.display(), before);
}

TEST(TurnBoard, KeepsTheMoveShownAndItsMarkers) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    s.list.select(2);
    turn_board(s.game, s.list, s.view);
    EXPECT_EQ(s.game.current_move, 2);
    // 炮五进四 from record (2, 4) to (6, 4): on the turned board (7, 4) and (3, 4).
    const auto from = board::square_origin(7, 4), to = board::square_origin(3, 4);
    EXPECT_EQ(s.canvas.sprite_left(board::kFromMarker), from.x);
    EXPECT_EQ(s.canvas.sprite_top(board::kFromMarker), from.y);
    EXPECT_EQ(s.canvas.sprite_top(board::kToMarker), to.y);
    // Playing on after the turn works on the turned squares.
    s.list.select(5);
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 5));

    BoardSession start;
    test::load_pgn(start, test::kShortGame);
    turn_board(start.game, start.list, start.view);
    EXPECT_FALSE(start.canvas.visible(board::kFromMarker));  // nothing selected: no markers
}

TEST(BoardPicture, IsTheTop320RowsWithoutCounterAndAuthor) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    s.view.set_author_line(test::G("动画制作：某人"));
    s.list.select(1);
    const Image shown = s.view.display();
    const auto bmp = take_board_picture(s.view);
    ASSERT_EQ(bmp.size(), 332854u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(bmp, 2), 332854u);
    EXPECT_EQ(u32(bmp, 10), 54u);
    EXPECT_EQ(u32(bmp, 14), 40u);
    EXPECT_EQ(u32(bmp, 18), 260u);
    EXPECT_EQ(u32(bmp, 22), 320u);
    EXPECT_EQ(u32(bmp, 34), 332800u);
    const auto picture = decode_bmp(bmp);
    ASSERT_TRUE(picture);
    // Above the counter and author line the picture is what the display shows; in the
    // rows they share with it, no text colour is left.
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 260; ++x) ASSERT_EQ(picture->at(x, y), shown.at(x, y)) << x << "," << y;
    int text_pixels_shown = 0;
    for (int y = 312; y < 320; ++y)
        for (int x = 0; x < 260; ++x) {
            EXPECT_NE(picture->at(x, y), board::kTextColour);
            text_pixels_shown += shown.at(x, y) == board::kTextColour;
        }
    EXPECT_GT(text_pixels_shown, 0);
    // The counter and author are back on the canvas, and the display never changed.
    EXPECT_TRUE(s.canvas.visible(board::kCounterSprite));
    EXPECT_TRUE(s.canvas.visible(board::kAuthorSprite));
    EXPECT_EQ(s.view.display(), shown);
    EXPECT_EQ(s.canvas.composed(), shown);
}

// Golden pictures: small PNGs of boards compared pixel for pixel. Set
// KELVARA_UPDATE_GOLDEN=1 to write them anew after a deliberate change of the pictures.
void expect_golden(const Image& picture, const std::string& name) {
    const auto path = std::filesystem::path(KELVARA_GOLDEN_DIR) / name;
    if (std::getenv("KELVARA_UPDATE_GOLDEN")) {
        const auto png = encode_png(picture);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), png.size());
    }
    const std::string bytes = test::read_file(path);
    const auto golden = decode_png({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    ASSERT_TRUE(golden) << path;
    ASSERT_EQ(golden->width, picture.width);
    ASSERT_EQ(golden->height, picture.height);
    int differing = 0;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) differing += picture.pixels[i] != golden->pixels[i];
    EXPECT_EQ(differing, 0) << name << ": pixels differ from the golden picture";
}

TEST(Golden, StartPositionWithTitle) {
    if (!Font::find_song()) GTEST_SKIP() << "the Song-style font is not installed";
    BoardSession s;
    test::load_pgn(s, std::string("[Event \"中炮对屏风马\"]\n") + test::kShortGame);
    s.view.set_author_line(test::G("动画制作：Kelvara"));
    s.view.refresh_display();
    expect_golden(s.view.display(), "start.png");
}

TEST(Golden, TurnedBoardAfterACapture) {
    if (!Font::find_song()) GTEST_SKIP() << "the Song-style font is not installed";
    BoardSession s;
    test::load_pgn(s, std::string("[Event \"中炮对屏风马\"]\n") + test::kShortGame);
    s.list.select(4);
    turn_board(s.game, s.list, s.view);
    expect_golden(s.view.display(), "turned_after_capture.png");
}

}  // namespace
}  // namespace kelvara
