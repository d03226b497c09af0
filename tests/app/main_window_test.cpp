#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "app/board_display.h"
#include "gui_fixture.h"

namespace kelvara::test {
namespace {

struct Place {
    const char16_t* name;
    QRect rect;
};

const Place kPlaces[] = {
    {u"透明标签_标题", {24, 3, 348, 16}},  {u"图形按钮_MIN", {365, 10, 16, 15}},
    {u"图形按钮_关闭", {385, 10, 16, 15}}, {u"动画框1", {13, 21, 260, 330}},
    {u"动画框2", {13, 21, 260, 330}},       {u"超级列表框_回合", {280, 31, 120, 255}},
    {u"图形按钮_首步", {284, 290, 16, 15}}, {u"图形按钮_上步", {308, 290, 16, 15}},
    {u"图形按钮_自动", {332, 290, 16, 15}}, {u"图形按钮_下步", {356, 290, 16, 15}},
    {u"图形按钮_尾步", {380, 290, 16, 15}}, {u"图形按钮_打开", {280, 310, 56, 20}},
    {u"图形按钮_交换", {344, 310, 56, 20}}, {u"图形按钮_制作", {280, 333, 56, 20}},
    {u"图形按钮_设置", {344, 332, 56, 20}},
};

using MainWindowTest = GuiTest;

TEST_F(MainWindowTest, IsAFramelessFixedWindowWithEveryControlInPlace) {
    start();
    EXPECT_EQ(window->size(), QSize(410, 365));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowTitle(), "Kelvara");
    for (const Place& p : kPlaces) {
        QWidget* w = control(p.name);
        ASSERT_NE(w, nullptr) << QString::fromUtf16(p.name).toStdString();
        EXPECT_EQ(w->geometry(), p.rect) << QString::fromUtf16(p.name).toStdString();
    }
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("Kelvara-1.62版"));

    auto* menu = window->findChild<QMenu*>(QStringLiteral("超级菜单1"));
    ASSERT_NE(menu, nullptr);
    const QStringList actions = {QStringLiteral("复制文本棋谱"), QStringLiteral("截取当前棋图"),
                                 QStringLiteral("复制棋图"), QStringLiteral("粘贴棋谱"),
                                 QStringLiteral("另存为PGN棋谱"), QStringLiteral("分析"),
                                 QStringLiteral("分析全局")};
    ASSERT_EQ(menu->actions().size(), actions.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(menu->actions()[i]->objectName(), actions[i]);
        EXPECT_EQ(menu->actions()[i]->text(), actions[i]);
    }
    EXPECT_TRUE(menu->actions()[5]->isCheckable());  // 分析
}

TEST_F(MainWindowTest, StartsFromTheSettingsFileWithTheEmptyBoardAndTheListFocused) {
    std::ofstream(dir.path() / "rcanim.ini", std::ios::binary) << G("[设置]\r\n演示延时=1500\r\n动画作者=某人\r\n");
    start();
    EXPECT_EQ(app->settings().demo_delay, 1500);
    EXPECT_EQ(app->settings().author, G("某人"));
    EXPECT_NE(app->animation_palette(), Palette{});

    EXPECT_EQ(window->focusWidget(), control(u"超级列表框_回合"));
    BoardSession empty;
    EXPECT_EQ(shown_board(), to_qimage(empty.canvas.composed()));
    // What is painted is the picture of the last refresh.
    auto* display = control<BoardDisplay>(u"动画框2");
    EXPECT_EQ(display->grab().toImage().convertToFormat(QImage::Format_RGB32), display->picture());
}

TEST_F(MainWindowTest, CloseButtonEndsTheProgram) {
    start();
    QTimer::singleShot(0, window.get(), [this] { click(u"图形按钮_关闭"); });
    // A failure must not hang. Tied to the window, so that it cannot end another test's
    // event loop later.
    QTimer::singleShot(5000, window.get(), [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace kelvara::test
