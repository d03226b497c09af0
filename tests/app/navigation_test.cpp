#include <QApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QTest>

#include "gui_fixture.h"

namespace kelvara::test {
namespace {

class NavigationTest : public GuiTest {
protected:
    void SetUp() override {
        start();
        open_through_button("game.pgn", kShortPgn);
        list = control<QListView>(u"超级列表框_回合");
    }
    // The core, the list on screen and the board all show the same move.
    void expect_at(int row) {
        EXPECT_EQ(session().list.selection(), row);
        EXPECT_EQ(session().game.current_move, row);
        EXPECT_EQ(view_selection(), row);
        EXPECT_EQ(shown_board(), expected_board(row));
    }
    QListView* list = nullptr;
};

TEST_F(NavigationTest, ButtonsMoveTheSelectionAndTheBoard) {
    click(u"图形按钮_下步");
    expect_at(0);
    click(u"图形按钮_下步");
    expect_at(1);
    click(u"图形按钮_尾步");
    expect_at(5);
    click(u"图形按钮_下步");  // on the last row nothing changes
    expect_at(5);
    click(u"图形按钮_上步");
    expect_at(4);
    click(u"图形按钮_首步");
    expect_at(-1);
    click(u"图形按钮_上步");  // with nothing selected nothing changes
    expect_at(-1);
    click(u"图形按钮_下步");
    click(u"图形按钮_上步");  // from the first row back to the start
    expect_at(-1);
    EXPECT_EQ(message_count(), 0);
}

TEST_F(NavigationTest, MouseKeysAndProgramSelectRows) {
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
    expect_at(2);
    QTest::keyClick(list, Qt::Key_Down);
    expect_at(3);
    QTest::keyClick(list, Qt::Key_End);
    expect_at(5);
    QTest::keyClick(list, Qt::Key_Up);
    expect_at(4);
    QTest::keyClick(list, Qt::Key_Home);
    expect_at(0);
    list->setCurrentIndex(list->model()->index(3, 0));
    expect_at(3);

    // At the start position no row is current, even after the list regains the focus:
    // the first key down lands on the first row, and there is no row above it.
    click(u"图形按钮_首步");
    QFocusEvent focus_in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(list, &focus_in);
    QTest::keyClick(list, Qt::Key_Up);
    expect_at(-1);
    QTest::keyClick(list, Qt::Key_Down);
    expect_at(0);
}

TEST_F(NavigationTest, ClearingTheSelectionRunsNothing) {
    list->setCurrentIndex(list->model()->index(3, 0));
    const QImage shown = shown_board();
    list->clearSelection();
    EXPECT_EQ(view_selection(), -1);
    EXPECT_EQ(session().list.selection(), 3);
    EXPECT_EQ(session().game.current_move, 3);
    EXPECT_EQ(shown_board(), shown);
}

// The pixels of a row that are clearly red: the strokes of a red row's text.
int red_pixels(const QImage& image, const QRect& rect) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (p.red() > 170 && p.green() < 110 && p.blue() < 110) ++n;
        }
    return n;
}

TEST_F(NavigationTest, OnlyTheFocusedSelectedRowLeavesItsColour) {
    QApplication::setActiveWindow(window.get());
    list->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return list->hasFocus(); }));
    list->setCurrentIndex(list->model()->index(0, 0));
    const QRect row0 = list->visualRect(list->model()->index(0, 0));
    const QRect row2 = list->visualRect(list->model()->index(2, 0));
    const QImage focused = list->viewport()->grab().toImage();
    EXPECT_EQ(red_pixels(focused, row0), 0);  // system selection colours
    EXPECT_GT(red_pixels(focused, row2), 20);  // an unselected red row

    list->clearFocus();
    ASSERT_FALSE(list->hasFocus());
    const QImage unfocused = list->viewport()->grab().toImage();
    EXPECT_GT(red_pixels(unfocused, row0), 20);  // selected without focus: red
}

}  // namespace
}  // namespace kelvara::test
