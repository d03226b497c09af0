#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>

#include <fstream>

#include "app/maker_window.h"
#include "app/settings.h"
#include "export/gif_maker.h"
#include "gui_fixture.h"
#include "record/open_record.h"

namespace kelvara::test {
namespace {

class MakerTest : public GuiTest {
protected:
    // The short game, opened from a folder of its own under a name with a space and
    // Chinese characters.
    void open_game() {
        std::filesystem::create_directory(dir.path() / "records");
        open_through_button("records/对局 一.pgn", kShortPgn);
    }
    void expect_failure(const QString& text) const {
        ASSERT_EQ(message_count(), 1);
        EXPECT_EQ(messages.shown[0].text, text);
        EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    }
};

TEST_F(MakerTest, RefusesWithoutARecord) {
    start();
    click(u"图形按钮_制作");
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("请先打开一个棋谱文件！"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));
    EXPECT_FALSE(std::filesystem::exists(animation_folder()));
}

TEST_F(MakerTest, WritesWhatTheMakerWritesForTheSameRecordAndLeavesTheBoardAlone) {
    start();
    open_game();
    Settings chosen = app->settings();
    chosen.author = G("某人");
    chosen.frame_delay = 30;
    chosen.start_at_selected_move = true;
    app->take_settings(chosen, G("新标题"));
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");
    click(u"图形按钮_交换");
    const QImage shown = shown_board();
    const Image composed = session().canvas.composed();
    const Position board = session().game.board;

    click(u"图形按钮_制作");  // returns when the maker window has closed
    const auto made = animation_folder() / "对局 一.gif";
    ASSERT_TRUE(std::filesystem::exists(made));
    ASSERT_EQ(message_count(), 1);  // where the file went; the box was closed
    EXPECT_TRUE(dialogs.opened_externally.empty());

    // The same record and options, made straight by the maker.
    GifJob job;
    MoveList list;
    ASSERT_TRUE(open_record(dir.path() / "records" / "对局 一.pgn", job.game, list).opened);
    job.game.flip_state = 1;
    job.title = G("新标题");
    job.author_line = G("动画制作：某人");
    job.frame_delay = 30;
    job.start_at_selected_move = true;
    job.selected_row = 2;
    job.output_folder = dir.path() / "direct";
    job.output_stem = "direct";
    ASSERT_TRUE(GifMaker(app->animation_palette()).make(job).ok());
    EXPECT_TRUE(read_file(made) == read_file(job.output_folder / "direct.gif"));

    EXPECT_EQ(shown_board(), shown);
    EXPECT_TRUE(session().canvas.composed().pixels == composed.pixels);
    EXPECT_EQ(session().game.board, board);
    EXPECT_EQ(session().game.current_move, 2);
    EXPECT_EQ(session().game.making, 0);
    EXPECT_EQ(view_selection(), 2);
}

TEST_F(MakerTest, TheEndOfTheJobSaysWhereTheFileWentAndOffersToOpenIt) {
    start();
    open_game();
    const QString made = QString::fromStdString((animation_folder() / "对局 一.gif").string());
    for (int answer : {0, 1, 2}) {
        messages.shown.clear();
        dialogs.opened_externally.clear();
        messages.answer = answer;
        click(u"图形按钮_制作");
        ASSERT_EQ(message_count(), 1);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("动画制作完成，已保存为：\n") + made);
        EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(messages.shown[0].choices,
                  QStringList({QStringLiteral("打开文件夹"), QStringLiteral("打开动画"), QStringLiteral("确定")}));
        const std::vector<QString> opened =
            answer == 0   ? std::vector<QString>{QString::fromStdString(animation_folder().string())}
            : answer == 1 ? std::vector<QString>{made}
                          : std::vector<QString>{};
        EXPECT_EQ(dialogs.opened_externally, opened) << answer;
    }
}

// A 2-picture animation of a long game is never a surprise: the button and the maker
// window say where it starts.
TEST_F(MakerTest, StartingAtTheSelectedMoveIsShownBeforeAndDuringTheJob) {
    start();
    open_game();
    auto* make = control<QAbstractButton>(u"图形按钮_制作");
    const auto tip = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), make->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(make, &help);
        return make->toolTip();
    };
    EXPECT_EQ(tip(), "");  // from the start: nothing to say
    Settings chosen = app->settings();
    chosen.start_at_selected_move = true;
    app->take_settings(chosen, session().game.title);
    EXPECT_EQ(tip(), "");  // no move selected: the whole game
    click(u"图形按钮_尾步");
    EXPECT_EQ(tip(), QStringLiteral("从第6着开始制作，共2幅图"));
    click(u"图形按钮_首步");
    click(u"图形按钮_下步");
    EXPECT_EQ(tip(), QStringLiteral("从第1着开始制作，共6幅图"));

    click(u"图形按钮_尾步");
    MakerWindow maker(app->animation_job(), app->animation_palette(), window.get());
    auto* label = maker.findChild<QLabel*>(QStringLiteral("标签_起始着"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("从第6着开始制作，共2幅图"));
    EXPECT_EQ(maker.size(), QSize(222, 75));  // a line taller, below the bar
    EXPECT_GE(label->geometry().top(), 46);
    EXPECT_EQ(maker.exec(), QDialog::Accepted);
    EXPECT_EQ(maker.result().pictures, 2);
}

TEST_F(MakerTest, IsASmallRoundedWindowOverTheMainWindowWhoseBarFillsUp) {
    start();
    open_game();
    window->move(100, 80);
    MakerWindow maker(app->animation_job(), app->animation_palette(), window.get());
    EXPECT_EQ(maker.size(), QSize(222, 61));
    EXPECT_TRUE(maker.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_NEAR(maker.windowOpacity(), 210.0 / 255.0, 0.01);
    EXPECT_EQ(maker.pos(), QPoint(100 + 205 - 111, 80 + 152));
    // The corners are cut away, the edges stay.
    EXPECT_FALSE(maker.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(maker.mask().contains(QPoint(221, 60)));
    EXPECT_TRUE(maker.mask().contains(QPoint(0, 30)));
    EXPECT_TRUE(maker.mask().contains(QPoint(3, 0)));

    const auto place = [&maker](const char16_t* name) {
        QWidget* w = maker.findChild<QWidget*>(QString::fromUtf16(name));
        return w ? w->geometry() : QRect();
    };
    EXPECT_EQ(place(u"图片框1"), QRect(49, 13, 117, 14));
    EXPECT_EQ(place(u"画板1"), QRect(9, 32, 200, 14));
    EXPECT_EQ(place(u"画板2"), QRect(1, 0, 1, 14));
    EXPECT_EQ(place(u"画板3"), QRect(209, 32, 1, 14));
    EXPECT_EQ(maker.findChild<QWidget*>(QStringLiteral("画板2"))->parentWidget()->objectName(), QStringLiteral("画板1"));

    maker.close();  // not before the job has run
    EXPECT_EQ(maker.exec(), QDialog::Accepted);
    EXPECT_TRUE(maker.result().ok());
    EXPECT_EQ(maker.progress_width(), 199);
    EXPECT_TRUE(std::filesystem::exists(animation_folder() / "对局 一.gif"));
}

TEST_F(MakerTest, FailuresAreReportedAndTheBoardStays) {
    start();
    open_game();
    click(u"图形按钮_尾步");
    const QImage shown = shown_board();

    std::ofstream(animation_folder(), std::ios::binary) << "a file where the folder should be";
    click(u"图形按钮_制作");
    expect_failure(QStringLiteral("无法创建文件夹：") + QString::fromStdString(animation_folder().string()) +
                   QStringLiteral("\n路径中有一项不是文件夹"));

    std::filesystem::remove(animation_folder());
    std::filesystem::create_directories(animation_folder() / "对局 一.gif");  // a folder in the file's place
    messages.shown.clear();
    click(u"图形按钮_制作");
    expect_failure(QStringLiteral("无法写入动画文件：") +
                   QString::fromStdString((animation_folder() / "对局 一.gif").string()) +
                   QStringLiteral("\n这是一个文件夹"));
    EXPECT_EQ(shown_board(), shown);
}

}  // namespace
}  // namespace kelvara::test
