#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <fstream>

#include "app/ui_text.h"
#include "support/gif_reading.h"
#include "gui_fixture.h"
#include "record/open_record.h"

namespace kelvara::test {
namespace {

using OpenRecordTest = GuiTest;

struct Row {
    QString text;
    QColor colour;
};

std::vector<Row> shown_rows(QListView* view) {
    std::vector<Row> rows;
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        const QModelIndex i = view->model()->index(r, 0);
        rows.push_back({i.data().toString(), i.data(Qt::ForegroundRole).value<QColor>()});
    }
    return rows;
}

const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);

TEST_F(OpenRecordTest, PgnRecordFillsTheListAndShowsItsStart) {
    start();
    open_through_button("short game.pgn", kShortPgn);
    EXPECT_EQ(dialogs.open_asked, 1);
    EXPECT_EQ(message_count(), 0);
    const auto rows = shown_rows(control<QListView>(u"超级列表框_回合"));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].text, QStringLiteral("1.红：炮二平五"));
    EXPECT_EQ(rows[1].text, QStringLiteral("黑：马８进７"));
    EXPECT_EQ(rows[4].text, QStringLiteral("3.红：炮八进七"));
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].colour, i % 2 == 0 ? kRed : kGrey) << i;
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("short game.pgn"));
    EXPECT_EQ(session().game.title, G("测试对局"));
    EXPECT_EQ(shown_board(), expected_board(-1));
    EXPECT_EQ(view_selection(), -1);
}

TEST_F(OpenRecordTest, QqRecordFillsTheListAndTheAuthorLineComesFromTheSettings) {
    std::ofstream(dir.path() / "rcanim.ini", std::ios::binary) << G("[设置]\r\n动画作者=某人\r\n");
    start();
    open_through_button("三步.CHE", kShortQq);
    const auto rows = shown_rows(control<QListView>(u"超级列表框_回合"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].text, QStringLiteral("2.红：马八进七"));
    EXPECT_EQ(session().game.title, G("三步"));
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("三步.CHE"));
    // The settings' author is on the board: the picture differs from one without it.
    EXPECT_NE(shown_board(), expected_board(-1));
}

TEST_F(OpenRecordTest, UnreadableFileIsReportedAndTheRecordStays) {
    start();
    open_through_button("game.pgn", kShortPgn);
    const QImage before = shown_board();
    dialogs.open_answer = QString::fromStdString((dir.path() / "missing.pgn").string());
    click(u"图形按钮_打开");
    ASSERT_EQ(message_count(), 1);
    // The first line as it always was; the second names the file and why.
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("打开文件失败!\nmissing.pgn：文件或文件夹不存在"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(session().list.row_count(), 6);
    EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 6);
    EXPECT_EQ(shown_board(), before);

    dialogs.open_answer.clear();  // cancelled: nothing happens at all
    click(u"图形按钮_打开");
    EXPECT_EQ(message_count(), 1);
    EXPECT_EQ(session().list.row_count(), 6);

    dialogs.open_answer = QString::fromStdString(dir.path().string());
    click(u"图形按钮_打开");
    ASSERT_EQ(message_count(), 2);
    EXPECT_TRUE(messages.shown[1].text.endsWith(QStringLiteral("：这是一个文件夹"))) << messages.shown[1].text.toStdString();
}

TEST_F(OpenRecordTest, ReaderThatStopsEarlyNamesTheMoveAndKeepsTheMovesBefore) {
    const std::string text = "1. 炮二平五 马８进７ 2. 车二进十 马２进３\n";
    start();
    open_through_button("broken.pgn", text);
    ASSERT_EQ(message_count(), 1);
    GameRecord game;
    MoveList list;
    const OpenOutcome core = open_record_bytes(G(text), "broken.pgn", game, list);
    ASSERT_TRUE(core.stop);
    EXPECT_EQ(messages.shown[0].text, from_gbk(describe(*core.stop)));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("车二进十")));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 2);
}

TEST_F(OpenRecordTest, FilesThatAreNoRecordsAreRefusedAndTheRecordStays) {
    start();
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");
    const QImage shown = shown_board();
    const std::vector<int> pieces = session().view.piece_sprites();
    std::string binary;
    for (int i = 0; i < 2000; ++i) binary += static_cast<char>((i * 7919 + 5) % 256);
    const std::pair<const char*, std::string> files[] = {{"empty.che", ""}, {"binary.pgn", binary}};
    for (const auto& [name, bytes] : files) {
        messages.shown.clear();
        dialogs.open_answer = QString::fromStdString((dir.path() / name).string());
        std::ofstream(dir.path() / name, std::ios::binary) << bytes;
        click(u"图形按钮_打开");
        ASSERT_EQ(message_count(), 1) << name;
        // A third line may say what stopped the reader at the first move.
        EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("打开文件失败!\n") + QString::fromUtf8(name) +
                                                      QStringLiteral("：不是可以打开的棋谱文件，读不出任何着法或开局局面")))
            << messages.shown[0].text.toStdString();
        EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
        EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 6) << name;
        EXPECT_EQ(view_selection(), 1) << name;
        EXPECT_EQ(shown_board(), shown) << name;
        EXPECT_EQ(session().view.piece_sprites(), pieces) << name;
        EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("game.pgn")) << name;
    }
}

// A start position is a record even without moves: it turns, it is pictured, copied and
// animated as one picture.
TEST_F(OpenRecordTest, AStartPositionWithoutMovesIsARecord) {
    start();
    open_through_button("end.pgn", "[Event \"残局\"]\n[FEN \"3k5/9/9/9/9/9/9/9/4A4/4K4 w - - 0 1\"]\n");
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("end.pgn"));
    const QImage upright = shown_board();
    click(u"图形按钮_交换");
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(session().game.flip_state, 1);
    EXPECT_NE(shown_board(), upright);
    EXPECT_EQ(shown_board(), expected_board(-1));

    QWidget* display = control(u"动画框2");
    auto* menu = window->findChild<QMenu*>(QStringLiteral("超级菜单1"));
    QTest::mousePress(display, Qt::RightButton, {}, QPoint(40, 50));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    window->findChild<QAction*>(QStringLiteral("复制文本棋谱"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3k5/9/9/9/9/9/9/9/4A4/4K4"));
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("复制棋谱成功！"));

    messages.shown.clear();
    make_through_button();
    ASSERT_EQ(message_count(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("动画制作完成")));
    const GifLayout gif = read_gif_layout(test::read_file(animation_folder() / "end.gif"));
    EXPECT_EQ(gif.pictures.size(), 1u);
    EXPECT_TRUE(gif.trailer);
}

TEST_F(OpenRecordTest, CommandLineAndDroppedFilesTakeTheSamePath) {
    start();
    window->open_record_file(write_record("first.che", kShortQq));
    EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 3);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(write_record("second.pgn", kShortPgn))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([this] { return control<QListView>(u"超级列表框_回合")->model()->rowCount() == 6; }));
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("second.pgn"));
}

}  // namespace
}  // namespace kelvara::test
