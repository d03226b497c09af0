#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <fstream>

#include "app/ui_text.h"
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
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("打开文件失败!"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(session().list.row_count(), 6);
    EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 6);
    EXPECT_EQ(shown_board(), before);

    dialogs.open_answer.clear();  // cancelled: nothing happens at all
    click(u"图形按钮_打开");
    EXPECT_EQ(message_count(), 1);
    EXPECT_EQ(session().list.row_count(), 6);
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

TEST_F(OpenRecordTest, FileOfAnotherKindEmptiesTheListButKeepsThePieces) {
    start();
    open_through_button("game.pgn", kShortPgn);
    session().list.select(3);
    const Position shown = session().game.board;
    const std::vector<int> pieces = session().view.piece_sprites();
    open_through_button("notes.txt", "1. 炮二平五\n");
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(control<QListView>(u"超级列表框_回合")->model()->rowCount(), 0);
    EXPECT_EQ(session().game.board, shown);
    EXPECT_EQ(session().view.piece_sprites(), pieces);
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("notes.txt"));
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
