// Records in and out of the desktop program: the open dialog's filters, other formats
// through the open button, pasting a record, saving the game as PGN.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>

#include <fstream>

#include "app/ui_text.h"
#include "gui_fixture.h"
#include "record/open_record.h"

namespace kelvara::test {
namespace {

using RecordTransferTest = GuiTest;

constexpr const char* kDhtmlXq =
    "<div>[DhtmlXQ][DhtmlXQ_title]网页对局[/DhtmlXQ_title][DhtmlXQ_movelist]77477062[/DhtmlXQ_movelist]"
    "[DhtmlXQ_comment1]中炮[/DhtmlXQ_comment1][/DhtmlXQ]</div>";

int shown_rows(QWidget* list) { return qobject_cast<QListView*>(list)->model()->rowCount(); }

TEST(RecordFilters, NameEveryFormatOfTheTableTogetherAndAlone) {
    const QStringList filters = record_filters();
    ASSERT_EQ(filters.size(), static_cast<qsizetype>(record_formats().size()) + 1);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("可打开的棋谱(*.che *.CHE ")));
    for (const char* e : {"*.pgn", "*.xqf", "*.XQF", "*.cbr", "*.cbl", "*.CBL", "*.html", "*.ubb"})
        EXPECT_TRUE(filters[0].contains(QString::fromLatin1(e))) << e;
    EXPECT_TRUE(filters.contains(QStringLiteral("XQF棋谱(*.xqf *.XQF)")));
}

TEST_F(RecordTransferTest, AnXqfOpensThroughTheButtonLikeAnyRecord) {
    start();
    std::string xqf = std::string("XQ\x0A", 3) + std::string(13, '\0');
    for (const int square : {80, 70, 60, 50, 40, 30, 20, 10, 0, 72, 12, 83, 63, 43, 23, 3,
                             9, 19, 29, 39, 49, 59, 69, 79, 89, 17, 77, 6, 26, 46, 66, 86})
        xqf += static_cast<char>(square);
    xqf.resize(1024, '\0');
    xqf += std::string("\x18\x20\xF0\xFF\0\0\0\0" "\x60\x4A\x00\x00\0\0\0\0", 16);  // 炮二平五
    const auto path = dir.path() / "game.XQF";
    std::ofstream(path, std::ios::binary) << xqf;
    dialogs.open_answer = QString::fromStdString(path.string());
    click(u"图形按钮_打开");
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 1);
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("game.XQF"));
}

TEST_F(RecordTransferTest, PastedTextIsReadAsARecordTitledAfterTheClipboard) {
    start();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kDhtmlXq));
    window->paste_record();
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 2);
    EXPECT_EQ(control<QLabel>(u"透明标签_标题")->text(), QStringLiteral("剪贴板棋谱"));
    EXPECT_EQ(session().game.title, G("网页对局"));
    EXPECT_EQ(session().game.notes_of(0).comment, G("中炮"));
    EXPECT_EQ(shown_board(), expected_board(-1));

    // A record without a title of its own takes the clipboard's name.
    QGuiApplication::clipboard()->setText(QStringLiteral("[DhtmlXQ_movelist]7747[/DhtmlXQ_movelist]"));
    window->paste_record();
    EXPECT_EQ(session().game.title, G("剪贴板棋谱"));
}

TEST_F(RecordTransferTest, TextNoReaderTakesChangesNothing) {
    start();
    open_through_button("game.pgn", kShortPgn);
    session().list.select(2);
    const QImage before = shown_board();
    for (const QString& text : {QStringLiteral("今天天气很好"), QString()}) {
        QGuiApplication::clipboard()->setText(text);
        window->paste_record();
    }
    ASSERT_EQ(message_count(), 2);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("剪贴板中没有可以读出的棋谱！"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 6);
    EXPECT_EQ(session().game.title, G("测试对局"));
    EXPECT_EQ(shown_board(), before);
}

TEST_F(RecordTransferTest, SaveAsPgnWritesTheGameThatOpensAgainAlike) {
    start();
    window->save_record_as_pgn();  // nothing to save yet
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(dialogs.pgn_asked, 0);

    QGuiApplication::clipboard()->setText(QString::fromUtf8(kDhtmlXq));
    window->paste_record();
    const auto target = dir.path() / "saved.pgn";
    dialogs.pgn_answer = QString::fromStdString(target.string());
    window->save_record_as_pgn();
    EXPECT_EQ(dialogs.pgn_suggested, QStringLiteral("剪贴板棋谱.pgn"));
    EXPECT_EQ(message_count(), 1);
    const std::string saved = read_file(target);
    EXPECT_NE(saved.find(G("[Event \"网页对局\"]\r\n")), std::string::npos);
    EXPECT_NE(saved.find(G("1. 炮二平五\r\n{中炮}\r\n1... 马８进７\r\n")), std::string::npos) << U(saved);

    GameRecord again;
    MoveList rows;
    open_record(target, again, rows);
    EXPECT_EQ(again.moves, session().game.moves);

    dialogs.pgn_answer.clear();  // cancelled
    window->save_record_as_pgn();
    EXPECT_EQ(message_count(), 1);
    dialogs.pgn_answer = QString::fromStdString((dir.path() / "no such folder" / "x.pgn").string());
    window->save_record_as_pgn();
    ASSERT_EQ(message_count(), 2);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("保存棋谱失败！"));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("错误"));
}

}  // namespace
}  // namespace kelvara::test
