#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "app/board_display.h"
#include "app/maker_window.h"
#include "app/settings.h"
#include "export/gif_maker.h"
#include "gui_fixture.h"
#include "platform/png_codec.h"
#include "record/open_record.h"
#include "support/gif_reading.h"
#include "view/board_commands.h"

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
        EXPECT_EQ(messages.shown[0].text.toStdString(), text.toStdString());
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

    make_through_button();  // returns when the maker window has closed
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
        make_through_button();
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
    QTimer::singleShot(0, &maker, [&maker] { maker.start_job(); });
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

    maker.show();
    maker.start_job();
    maker.close();  // not while the job runs
    EXPECT_TRUE(maker.isVisible());
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
    make_through_button();
    expect_failure(QStringLiteral("无法创建文件夹：") + QString::fromStdString(animation_folder().string()) +
                   QStringLiteral("\n路径中有一项不是文件夹"));

    std::filesystem::remove(animation_folder());
    std::filesystem::create_directories(animation_folder() / "对局 一.gif");  // a folder in the file's place
    messages.shown.clear();
    make_through_button();
    expect_failure(QStringLiteral("无法写入动画文件：") +
                   QString::fromStdString((animation_folder() / "对局 一.gif").string()) +
                   QStringLiteral("\n这是一个文件夹"));
    EXPECT_EQ(shown_board(), shown);
}

TEST_F(MakerTest, EndsAtTheMoveTheUserPicksFromTheSelectedMove) {
    start();
    open_game();
    Settings chosen = app->settings();
    chosen.start_at_selected_move = true;
    app->take_settings(chosen, session().game.title);
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");  // move 2 selected: the animation starts before it
    with_modal([this] { click(u"图形按钮_制作"); },
               [](QWidget* maker) {
                   auto* box = maker->findChild<QSpinBox*>(QStringLiteral("编辑框_末着"));
                   ASSERT_NE(box, nullptr);
                   EXPECT_EQ(box->minimum(), 2);  // at least the selected move is played
                   EXPECT_EQ(box->maximum(), 6);
                   EXPECT_EQ(box->value(), 6);   // the whole game, as without a choice
                   auto* start = maker->findChild<QLabel*>(QStringLiteral("标签_起始着"));
                   ASSERT_NE(start, nullptr);
                   EXPECT_EQ(start->text(), QStringLiteral("从第2着开始制作，共6幅图"));
                   box->setValue(4);  // the count follows the choice
                   EXPECT_EQ(start->text(), QStringLiteral("从第2着开始制作，共4幅图"));
                   QTest::keyClick(box, Qt::Key_Return);  // Enter starts it too
                   for (int waited = 0; maker->isVisible() && waited < 10000; waited += 10) QTest::qWait(10);
               });
    ASSERT_EQ(message_count(), 1);  // made, and where it went
    const auto made = animation_folder() / "对局 一.gif";
    ASSERT_TRUE(std::filesystem::exists(made));

    GifJob job = app->animation_job();
    job.to_move = 4;
    job.output_folder = dir.path() / "direct";
    const GifResult direct = GifMaker(app->animation_palette()).make(job);
    ASSERT_TRUE(direct.ok());
    EXPECT_EQ(direct.pictures, 4);  // after move 1, then moves 2 to 4
    EXPECT_TRUE(read_file(made) == read_file(direct.path));
}

// The size chosen in the maker window is the animation's, and the next pictures' too: the
// snapshot and the clipboard take the board at that size, and the next start offers it.
TEST_F(MakerTest, ThePictureSizeChosenIsTheAnimationsAndIsKeptForThePictures) {
    start();
    open_game();
    click(u"图形按钮_下步");
    with_modal([this] { click(u"图形按钮_制作"); },
               [](QWidget* maker) {
                   auto* sizes = maker->findChild<QComboBox*>(QStringLiteral("组合框_图片大小"));
                   ASSERT_NE(sizes, nullptr);
                   ASSERT_EQ(sizes->count(), 3);
                   EXPECT_EQ(sizes->itemText(0), QStringLiteral("260×330"));
                   EXPECT_EQ(sizes->itemText(2), QStringLiteral("780×990"));
                   EXPECT_EQ(sizes->currentIndex(), 0);
                   sizes->setCurrentIndex(1);
                   QTest::mouseClick(maker->findChild<QAbstractButton*>(QStringLiteral("图形按钮_确定")),
                                     Qt::LeftButton);
                   for (int waited = 0; maker->isVisible() && waited < 10000; waited += 10) QTest::qWait(10);
               });
    const auto layout = read_gif_layout(read_file(animation_folder() / "对局 一.gif"));
    EXPECT_EQ(layout.width, 520);
    EXPECT_EQ(layout.height, 660);
    EXPECT_EQ(app->settings().picture_size, 2);
    EXPECT_EQ(load_settings(app->settings_file()).picture_size, 2);

    const Image expected = take_board_image(session().game, 0, 2);
    ASSERT_EQ(expected.width, 520);
    messages.shown.clear();
    dialogs.save_answer = QString::fromStdString((dir.path() / "board.png").string());
    window->findChild<QAction*>(QStringLiteral("截取当前棋图"))->trigger();
    const std::string saved = read_file(dir.path() / "board.png");
    const auto decoded = decode_png({reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()});
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(*decoded == expected);
    window->findChild<QAction*>(QStringLiteral("复制棋图"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), to_qimage(expected));

    MakerWindow again(app->animation_job(), app->animation_palette(), window.get());
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("组合框_图片大小"))->currentIndex(), 1);
}

TEST_F(MakerTest, ClosedBeforeItBeginsMakesNothing) {
    start();
    open_game();
    for (const char* how : {"cancel", "escape"}) {
        with_modal([this] { click(u"图形按钮_制作"); },
                   [how](QWidget* maker) {
                       if (std::string(how) == "cancel")
                           QTest::mouseClick(maker->findChild<QAbstractButton*>(QStringLiteral("图形按钮_取消")),
                                             Qt::LeftButton);
                       else
                           QTest::keyClick(maker, Qt::Key_Escape);
                   });
        EXPECT_FALSE(std::filesystem::exists(animation_folder() / "对局 一.gif")) << how;
        EXPECT_EQ(message_count(), 0) << how;
    }
}

}  // namespace
}  // namespace kelvara::test
