// Files of several games ask which to open; comments show for the selected move; moves
// with alternatives are marked; the open dialog offers what the table of formats reads.
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include "app/game_chooser.h"
#include "app/move_list_model.h"
#include "gui_fixture.h"

namespace kelvara::test {
namespace {

using GamesAndCommentsTest = GuiTest;

constexpr const char* kTwoGames =
    "[Event \"第一局\"]\n[Red \"甲\"]\n[Black \"乙\"]\n1. 炮二平五 马８进７ 1-0\n\n"
    "[Event \"第二局\"]\n1. 兵七进一 卒７进１ 2. 马八进七 *\n";

constexpr const char* kAnnotated =
    "[Event \"注\"]\n{开局前}\n1. 炮二平五 {中炮} 马８进７ (1... 炮８平５ {顺炮}) 2. 马二进三 车９平８\n";

QString strip_text(QWidget* strip) { return qobject_cast<QPlainTextEdit*>(strip)->toPlainText(); }

TEST_F(GamesAndCommentsTest, AFileOfSeveralGamesAsksWhichToOpen) {
    start();
    open_through_button("one.pgn", kShortPgn);
    dialogs.game_answer = 1;
    open_through_button("two.pgn", kTwoGames);
    ASSERT_EQ(dialogs.games_offered.size(), 2u);
    EXPECT_EQ(dialogs.games_offered[0].title, G("第一局"));
    EXPECT_EQ(dialogs.games_offered[0].red, G("甲"));
    EXPECT_EQ(dialogs.games_offered[1].plies, 3);
    EXPECT_EQ(session().list.row_count(), 3);
    EXPECT_EQ(session().game.title, G("第二局"));

    // Cancelled: the record on screen stays.
    dialogs.game_answer.reset();
    open_through_button("one.pgn", kShortPgn);
    EXPECT_EQ(session().list.row_count(), 6);
    dialogs.games_offered.clear();
    open_through_button("two.pgn", kTwoGames);
    EXPECT_EQ(dialogs.games_offered.size(), 2u);
    EXPECT_EQ(session().list.row_count(), 6);
    EXPECT_EQ(message_count(), 0);

    // A file of one game asks nothing.
    dialogs.games_offered.clear();
    open_through_button("one.pgn", kShortPgn);
    EXPECT_TRUE(dialogs.games_offered.empty());
}

TEST_F(GamesAndCommentsTest, TheChooserListsTheGamesAndOpensByEnterOrDoubleClick) {
    const std::vector<GameSummary> games = {{1, G("第一局"), G("甲"), G("乙"), "1-0", 2},
                                            {2, G("第二局"), "", "", "*", 3}};
    GameChooser chooser(games);
    auto* table = chooser.findChild<QTableWidget*>(QStringLiteral("超级列表框_对局"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 6);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("标题"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("第一局"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("甲"));
    EXPECT_EQ(table->item(1, 5)->text(), QStringLiteral("3"));
    EXPECT_EQ(chooser.selected_game(), 0);
    EXPECT_TRUE(chooser.windowFlags().testFlag(Qt::FramelessWindowHint));
    for (const char* name : {"图形按钮_确定", "图形按钮_取消", "图形按钮_关闭", "透明标签1"})
        EXPECT_NE(chooser.findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;

    table->selectRow(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&chooser, &enter);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.selected_game(), 1);

    GameChooser clicked(games);
    auto* list = clicked.findChild<QTableWidget*>(QStringLiteral("超级列表框_对局"));
    clicked.show();
    const QRect cell = list->visualItemRect(list->item(1, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(clicked.result(), QDialog::Accepted);
    EXPECT_EQ(clicked.selected_game(), 1);
}

TEST_F(GamesAndCommentsTest, CommentsShowForTheSelectedMoveAndAlternativesAreMarked) {
    start();
    QWidget* strip = control(u"编辑框_注释");
    ASSERT_NE(strip, nullptr);
    auto* list = control<QListView>(u"超级列表框_回合");
    const int full_height = list->height();
    open_through_button("plain.pgn", kShortPgn);
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(list->height(), full_height);

    open_through_button("annotated.pgn", kAnnotated);
    ASSERT_TRUE(strip->isVisible());
    EXPECT_LT(list->height(), full_height);
    EXPECT_GE(strip->geometry().top(), list->geometry().bottom());
    EXPECT_EQ(strip_text(strip), QStringLiteral("开局前"));
    click(u"图形按钮_下步");
    EXPECT_EQ(strip_text(strip), QStringLiteral("中炮"));
    click(u"图形按钮_下步");
    EXPECT_EQ(strip_text(strip), QString());
    session().list.select(0);
    list->setCurrentIndex(list->model()->index(0, 0));
    EXPECT_EQ(strip_text(strip), QStringLiteral("中炮"));

    // The second move has an alternative: its row is marked, the others not.
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("黑：马８进７") + kAlternativesSign);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("1.红：炮二平五"));

    open_through_button("plain.pgn", kShortPgn);
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(list->height(), full_height);
}

}  // namespace
}  // namespace kelvara::test
