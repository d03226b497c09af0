// Records in and out of the desktop program: the open dialog's filters, other formats
// through the open button, pasting a record, saving the game as PGN.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>

#include <fstream>

#include "app/move_list_model.h"
#include "app/ui_text.h"
#include "gui_fixture.h"
#include "support/ccbridge_files.h"
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

// A page's comments show under the list as a PGN's do, and its branches mark their moves.
TEST_F(RecordTransferTest, APagesCommentsShowAndItsBranchesAreMarked) {
    start();
    open_through_button("page.html",
                        "<p>[DhtmlXQ][DhtmlXQ_movelist]774770627967[/DhtmlXQ_movelist]"
                        "[DhtmlXQ_move_0_2_1]7242[/DhtmlXQ_move_0_2_1][DhtmlXQ_comment0]开局[/DhtmlXQ_comment0]"
                        "[DhtmlXQ_comment1]中炮||两行[/DhtmlXQ_comment1][/DhtmlXQ]</p>");
    EXPECT_EQ(message_count(), 0);
    auto* list = control<QListView>(u"超级列表框_回合");
    QWidget* strip = control(u"编辑框_注释");
    ASSERT_TRUE(strip->isVisible());
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(strip)->toPlainText(), QStringLiteral("开局"));
    list->setCurrentIndex(list->model()->index(0, 0));
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(strip)->toPlainText(), QStringLiteral("中炮\n两行"));
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("黑：马8进7") + kAlternativesSign);
    EXPECT_EQ(list->model()->index(2, 0).data().toString(), QStringLiteral("2.红：马二进三"));
}

// A library opens through the game chooser, which offers its games and not its headings.
TEST_F(RecordTransferTest, ALibraryOpensTheGameChosenFromIt) {
    test::CblFile library(3);
    for (int k = 0; k < 3; ++k) library.entry(static_cast<std::size_t>(k), 7, static_cast<std::uint32_t>(k), k + 1);
    library.add_record(u"第一局", true, 1);
    library.add_record(u"第二轮", false, 2);
    library.add_record(u"第二局", true, 3);
    const auto path = dir.path() / "library.cbl";
    std::ofstream(path, std::ios::binary) << library.bytes();
    start();
    dialogs.game_answer = 1;
    dialogs.open_answer = QString::fromStdString(path.string());
    click(u"图形按钮_打开");
    EXPECT_EQ(message_count(), 0);
    ASSERT_EQ(dialogs.games_offered.size(), 2u);
    EXPECT_EQ(dialogs.games_offered[0].title, G("第一局"));
    EXPECT_EQ(session().game.title, G("第二局"));
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 1);
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

// Bare move lists in each notation and a FEN line alone read as PGN does; text of several
// games asks which one.
TEST_F(RecordTransferTest, PastedMoveListsAFenLineAndGamesOfAText) {
    start();
    for (const char* moves : {"炮二平五 马8进7 马二进三", "C2.5 H8+7 H2+3", "h2e2 h9g7 h0g2"}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(moves));
        window->paste_record();
        EXPECT_EQ(message_count(), 0) << moves;
        ASSERT_EQ(shown_rows(control(u"超级列表框_回合")), 3) << moves;
        EXPECT_EQ(session().list.rows()[2].text, G("2.红：马二进三")) << moves;
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("4k4/9/9/9/9/9/9/9/9/3K5 b - - 0 1\n"));
    window->paste_record();
    EXPECT_EQ(message_count(), 0);
    EXPECT_EQ(session().game.fen_start, "4k4/9/9/9/9/9/9/9/9/3K5");
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 0);

    QGuiApplication::clipboard()->setText(
        QStringLiteral("[Event \"一\"]\n1. 炮二平五 *\n\n[Event \"二\"]\n1. 兵七进一 马8进7 *\n"));
    dialogs.game_answer = 1;
    window->paste_record();
    ASSERT_EQ(dialogs.games_offered.size(), 2u);
    EXPECT_EQ(session().game.title, G("二"));
    EXPECT_EQ(shown_rows(control(u"超级列表框_回合")), 2);
    dialogs.game_answer.reset();  // cancelled: the game on screen stays
    window->paste_record();
    EXPECT_EQ(session().game.title, G("二"));
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
    EXPECT_TRUE(messages.shown[1].text.startsWith(QStringLiteral("保存棋谱失败！\n"))) << messages.shown[1].text.toStdString();
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("错误"));
}

}  // namespace
}  // namespace kelvara::test
