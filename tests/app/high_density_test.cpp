// The desktop program on a screen of twice the density, as at QT_SCALE_FACTOR=2 or the
// 200 % display size: the layout in logical pixels is the one of 100 %, and every
// picture reaches the screen drawn at twice the pixels, not blown up. These tests run in
// a ctest run of their own with QT_SCALE_FACTOR=2 and skip elsewhere.

#include <QApplication>
#include <QTest>

#include "app/board_display.h"
#include "app/graphic_button.h"
#include "gui_fixture.h"
#include "platform/bmp_codec.h"
#include "view/board_commands.h"
#include "view/view_fixture.h"

namespace kelvara::test {
namespace {

class HighDensityTest : public GuiTest {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "needs a screen of twice the density (QT_SCALE_FACTOR=2)";
    }
};

TEST_F(HighDensityTest, WindowKeepsItsLayoutAndShowsTheBoardPixelForPixel) {
    start();
    EXPECT_EQ(window->size(), QSize(410, 365));
    EXPECT_EQ(window->devicePixelRatio(), 2.0);
    EXPECT_EQ(control(u"动画框2")->geometry(), QRect(13, 21, 260, 330));
    EXPECT_EQ(control(u"图形按钮_打开")->geometry(), QRect(280, 310, 56, 20));
    EXPECT_EQ(session().view.scale(), 2);

    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_尾步");
    const QImage board = shown_board();
    EXPECT_EQ(board.size(), QSize(520, 660));
    EXPECT_EQ(board.devicePixelRatio(), 2.0);
    EXPECT_EQ(board, expected_board(5));

    // What the screen gets: the composed board one for one, at the board's place.
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.size(), QSize(820, 730));
    QImage board_pixels = board;
    board_pixels.setDevicePixelRatio(1.0);
    QImage shown = shot.copy(26, 42, 520, 660);
    shown.setDevicePixelRatio(1.0);
    EXPECT_TRUE(shown == board_pixels) << "the board is not shown pixel for pixel";

    // The skin too: the button's picture of twice the pixels at the button's size.
    auto* open = control<GraphicButton>(u"图形按钮_打开");
    EXPECT_EQ(open->current_picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(open->current_picture().size(), QSize(112, 40));
    EXPECT_EQ(open->sizeHint(), QSize(56, 20));
}

TEST_F(HighDensityTest, SavedPictureStaysAtItsSize) {
    start();
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_尾步");
    const auto path = dir.path() / "board.bmp";
    dialogs.save_answer = QString::fromStdString(path.string());
    window->save_board_picture();
    const std::string saved = test::read_file(path);
    EXPECT_EQ(saved.size(), 332854u);
    const auto expected = take_board_picture(session().game, 5, 1);
    EXPECT_TRUE(saved == std::string(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace kelvara::test
