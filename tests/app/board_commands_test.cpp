#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include "app/board_display.h"
#include "app/ui_text.h"
#include "gui_fixture.h"
#include "notation/text_record.h"
#include "platform/png_codec.h"
#include "view/board_commands.h"

namespace kelvara::test {
namespace {

class BoardCommandsTest : public GuiTest {
protected:
    void SetUp() override { start(); }
    QAction* action(const char16_t* name) const { return window->findChild<QAction*>(QString::fromUtf16(name)); }
    QMenu* menu() const { return window->findChild<QMenu*>(QStringLiteral("超级菜单1")); }
    void expect_message(int index, const char* text, const char* caption, MessageIcon icon) const {
        ASSERT_GT(message_count(), index);
        EXPECT_EQ(messages.shown[index].text, QString::fromUtf8(text));
        EXPECT_EQ(messages.shown[index].caption, QString::fromUtf8(caption));
        EXPECT_EQ(messages.shown[index].icon, icon);
    }
};

TEST_F(BoardCommandsTest, FlipTurnsTheBoardAtTheShownMoveOrRefusesWithoutARecord) {
    click(u"图形按钮_交换");
    expect_message(0, "请先打开一个棋谱文件！", "提示", MessageIcon::Information);
    EXPECT_EQ(session().game.flip_state, 0);

    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");
    click(u"图形按钮_交换");
    EXPECT_EQ(session().game.flip_state, 1);
    EXPECT_EQ(shown_board(), expected_board(2));
    click(u"图形按钮_下步");  // playback goes on on the turned board
    EXPECT_EQ(shown_board(), expected_board(3));
    click(u"图形按钮_交换");
    EXPECT_EQ(session().game.flip_state, 0);
    EXPECT_EQ(shown_board(), expected_board(3));
    EXPECT_EQ(message_count(), 1);
}

TEST_F(BoardCommandsTest, RightButtonOffersPastingAlwaysAndTheOtherCommandsWithRows) {
    QWidget* display = control(u"动画框2");
    auto enabled = [this] {
        QStringList names;
        for (QAction* a : menu()->actions())
            if (a->isEnabled()) names << a->objectName();
        return names;
    };
    QTest::mousePress(display, Qt::RightButton, {}, QPoint(40, 50));
    EXPECT_TRUE(menu()->isVisible());
    // The analysis strip opens without a record too, and waits for one.
    EXPECT_EQ(enabled(), (QStringList{QStringLiteral("粘贴棋谱"), QStringLiteral("分析")}));
    menu()->close();

    open_through_button("game.pgn", kShortPgn);
    QTest::mousePress(display, Qt::RightButton, {}, QPoint(40, 50));
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(menu()->pos(), display->mapToGlobal(QPoint(43, 53)));
    EXPECT_EQ(enabled().size(), 7);  // 复制棋图 among them
    menu()->close();
}

TEST_F(BoardCommandsTest, CopyPutsTheTextRecordOnTheClipboard) {
    window->copy_record_text();  // no record: the clipboard holds no text afterwards
    expect_message(0, "复制棋谱失败！", "错误", MessageIcon::Warning);

    open_through_button("game.pgn", kShortPgn);
    action(u"复制文本棋谱")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), from_gbk(text_record(session().list.rows())));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("1. 炮二平五 马８进７\r\n2. ")));
    expect_message(1, "复制棋谱成功！", "提示", MessageIcon::Information);
}

TEST_F(BoardCommandsTest, PictureIsSavedWhereTheUserSaysOrTheFailureIsReported) {
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_尾步");
    const auto path = dir.path() / "board.bmp";
    dialogs.save_answer = QString::fromStdString(path.string());
    action(u"截取当前棋图")->trigger();
    EXPECT_EQ(message_count(), 0);
    const std::string saved = test::read_file(path);
    const auto expected = take_board_picture(session().view);
    EXPECT_EQ(saved.size(), 332854u);
    EXPECT_TRUE(saved == std::string(expected.begin(), expected.end()));
    EXPECT_EQ(shown_board(), expected_board(5));  // the counter and author stay on screen

    dialogs.save_answer = QString::fromStdString((dir.path() / "no folder" / "board.bmp").string());
    action(u"截取当前棋图")->trigger();
    // The failure names the file and says why.
    expect_message(0, ("保存棋图失败！\n" + dialogs.save_answer.toStdString() + "：文件或文件夹不存在").c_str(), "错误",
                   MessageIcon::Critical);

    dialogs.save_answer.clear();  // cancelled
    action(u"截取当前棋图")->trigger();
    EXPECT_EQ(message_count(), 1);
    EXPECT_EQ(dialogs.save_asked, 3);
}

TEST_F(BoardCommandsTest, PictureIsSavedAsPngWhenTheNameSaysSo) {
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_下步");
    const Image expected = take_board_image(session().view);
    for (const char* name : {"board.png", "BOARD.PNG"}) {
        dialogs.save_answer = QString::fromStdString((dir.path() / name).string());
        action(u"截取当前棋图")->trigger();
        const std::string saved = test::read_file(dir.path() / name);
        const auto decoded = decode_png({reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()});
        ASSERT_TRUE(decoded) << name;
        EXPECT_TRUE(*decoded == expected) << name;
    }
    EXPECT_EQ(message_count(), 0);
}

TEST_F(BoardCommandsTest, CopyPictureOffersTheBoardPictureOnTheClipboard) {
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_尾步");
    action(u"复制棋图")->trigger();
    expect_message(0, "复制棋图成功！", "提示", MessageIcon::Information);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(260, 320));
    EXPECT_EQ(copied, to_qimage(take_board_image(session().view)));
    EXPECT_EQ(shown_board(), expected_board(5));  // the counter and author stay on screen
}

TEST_F(BoardCommandsTest, PictureIsRefusedDuringTheDemonstration) {
    open_through_button("game.pgn", kShortPgn);
    session().playback.toggle_demonstration(1000);
    action(u"截取当前棋图")->trigger();
    expect_message(0, "请先停止自动演示！", "提示", MessageIcon::Information);
    EXPECT_EQ(dialogs.save_asked, 0);
}

}  // namespace
}  // namespace kelvara::test
