#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <fstream>

#include "app/spin_edit.h"
#include "app/ui_text.h"
#include "gui_fixture.h"

namespace kelvara::test {
namespace {

struct Place {
    const char16_t* name;
    QRect rect;
    const char16_t* text;  // nullptr: not a label
};

const Place kPlaces[] = {
    {u"透明标签1", {0, 0, 248, 23}, u" 设置"},
    {u"图形按钮_关闭", {254, 3, 16, 15}, nullptr},
    {u"选择框_音效", {16, 28, 16, 24}, nullptr},
    {u"标签1", {33, 30, 111, 20}, u"自动演示时使用音效"},
    {u"选择框_背乐", {166, 28, 16, 24}, nullptr},
    {u"标签2", {183, 30, 80, 20}, u"使用背景音乐"},
    {u"选择框_定着", {16, 50, 16, 24}, nullptr},
    {u"标签7", {33, 52, 111, 18}, u"选中着法处开始制作"},
    {u"标签9", {163, 52, 40, 18}, u"制作："},
    {u"编辑框_动画作者", {198, 50, 64, 18}, nullptr},
    {u"标签10", {16, 72, 56, 18}, u"动画标题："},
    {u"编辑框_动画标题", {78, 72, 184, 18}, nullptr},
    {u"标签8", {7, 95, 260, 1}, u""},
    {u"标签3", {16, 102, 144, 20}, u"自动演示时每着棋间隔："},
    {u"编辑框_演示延时", {168, 101, 30, 18}, nullptr},
    {u"标签4", {226, 102, 24, 20}, u"秒"},
    {u"标签5", {18, 126, 144, 20}, u"制作动画时每帧图间隔："},
    {u"编辑框_帧延时", {168, 125, 30, 18}, nullptr},
    {u"标签6", {226, 126, 24, 20}, u"秒"},
    {u"标签12", {16, 157, 64, 18}, u"分析引擎："},
    {u"编辑框_分析引擎", {78, 156, 160, 18}, nullptr},
    {u"按钮_选择引擎", {242, 156, 20, 18}, nullptr},
    {u"标签13", {16, 181, 144, 20}, u"分析时每步思考："},
    {u"编辑框_分析用时", {168, 180, 30, 18}, nullptr},
    {u"标签14", {226, 181, 24, 20}, u"秒"},
    {u"标签15", {16, 205, 144, 20}, u"分析时使用线程："},
    {u"组合框_引擎线程", {168, 204, 50, 18}, nullptr},
    {u"标签16", {226, 205, 24, 20}, u"个"},
    {u"标签11", {16, 231, 60, 18}, u"显示大小："},
    {u"组合框_显示大小", {78, 230, 56, 18}, nullptr},
    {u"图形按钮_确定", {183, 230, 32, 18}, nullptr},
    {u"图形按钮_取消", {226, 230, 32, 18}, nullptr},
};

class SettingsDialogTest : public GuiTest {
protected:
    template <typename T = QWidget>
    static T* in(QWidget* dialog, const char16_t* name) {
        return dialog->findChild<T*>(QString::fromUtf16(name));
    }
    static QLineEdit* box(QWidget* dialog, const char16_t* name) { return in<QLineEdit>(dialog, name); }
    static void press(QWidget* dialog, const char16_t* name) {
        QTest::mouseClick(in<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
    static void spin(QWidget* dialog, const char16_t* name, int direction) {
        auto* edit = in<SpinEdit>(dialog, name);
        QTest::mouseClick(edit, Qt::LeftButton, {},
                          (direction > 0 ? edit->up_button() : edit->down_button()).center());
    }
    // Opens the dialog, lets act work in it, then presses the button named last.
    void in_dialog(const std::function<void(QWidget*)>& act, const char16_t* last = u"图形按钮_确定") {
        with_modal([this] { window->open_settings(); },
                   [&](QWidget* dialog) {
                       act(dialog);
                       press(dialog, last);
                   });
    }
    void expect_warning(int index, const char* text) const {
        ASSERT_GT(message_count(), index);
        EXPECT_EQ(messages.shown[index].text, QString::fromUtf8(text));
        EXPECT_EQ(messages.shown[index].caption, QStringLiteral("警告"));
        EXPECT_EQ(messages.shown[index].icon, MessageIcon::Warning);
    }
    std::filesystem::path settings_path() const { return dir.path() / "rcanim.ini"; }
};

TEST_F(SettingsDialogTest, IsAFramelessDialogWithEveryControlInPlaceShowingTheSettings) {
    std::ofstream(settings_path(), std::ios::binary) << G("[设置]\r\n使用音效=假\r\n使用背乐=真\r\n演示延时=1450\r\n"
                                                          "帧延时=30\r\n动画作者=某人\r\n分析引擎=/opt/象棋/engine\r\n"
                                                          "分析用时=2500\r\n引擎线程=3\r\n");
    start();
    open_through_button("game.pgn", kShortPgn);
    in_dialog(
        [](QWidget* dialog) {
            EXPECT_EQ(dialog->size(), QSize(275, 256));
            EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
            EXPECT_TRUE(dialog->isModal());
            for (const Place& p : kPlaces) {
                QWidget* w = in(dialog, p.name);
                ASSERT_NE(w, nullptr) << QString::fromUtf16(p.name).toStdString();
                EXPECT_EQ(w->geometry(), p.rect) << QString::fromUtf16(p.name).toStdString();
                if (p.text) {
                    EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), QString::fromUtf16(p.text));
                }
            }
            EXPECT_FALSE(in<QCheckBox>(dialog, u"选择框_音效")->isChecked());
            EXPECT_TRUE(in<QCheckBox>(dialog, u"选择框_背乐")->isChecked());
            EXPECT_FALSE(in<QCheckBox>(dialog, u"选择框_定着")->isChecked());
            EXPECT_EQ(box(dialog, u"编辑框_演示延时")->text(), "1.45");  // what OK would save
            EXPECT_EQ(box(dialog, u"编辑框_帧延时")->text(), "0.3");
            EXPECT_EQ(box(dialog, u"编辑框_动画作者")->text(), QStringLiteral("某人"));
            EXPECT_EQ(box(dialog, u"编辑框_动画标题")->text(), QStringLiteral("测试对局"));
            EXPECT_EQ(box(dialog, u"编辑框_分析引擎")->text(), QStringLiteral("/opt/象棋/engine"));
            EXPECT_EQ(box(dialog, u"编辑框_分析用时")->text(), "2.5");
            EXPECT_EQ(in<QComboBox>(dialog, u"组合框_引擎线程")->currentText(), "3");
        },
        u"图形按钮_取消");
    EXPECT_EQ(message_count(), 0);
}

// What is typed stays as typed; the range applies when the value is committed, and the
// box then shows what will be saved.
TEST_F(SettingsDialogTest, TheDemonstrationDelayTakesWhatIsTypedAndKeepsItInRangeOnCommit) {
    start();
    in_dialog([](QWidget* dialog) {
        QLineEdit* demo = box(dialog, u"编辑框_演示延时");
        const auto type = [demo](const char* keys) {
            demo->setFocus();
            demo->selectAll();
            QTest::keyClick(demo, Qt::Key_Backspace);
            EXPECT_EQ(demo->text(), "");  // an empty box stays empty while it is edited
            QTest::keyClicks(demo, keys);
        };
        EXPECT_EQ(demo->text(), "1.0");
        type("0.5");
        EXPECT_EQ(demo->text(), "0.5");
        QTest::keyClick(demo, Qt::Key_Return);
        EXPECT_EQ(demo->text(), "0.5");
        type("0");
        EXPECT_EQ(demo->text(), "0");
        QTest::keyClick(demo, Qt::Key_Return);
        EXPECT_EQ(demo->text(), "0.3");  // the nearest end of 0.3 to 8 seconds
        type("99999");
        EXPECT_EQ(demo->text(), "99999");
        QTest::keyClick(demo, Qt::Key_Return);
        EXPECT_EQ(demo->text(), "8.0");
        type("abc8.0.5");  // letters and a second point cannot be typed
        EXPECT_EQ(demo->text(), "8.05");
        QTest::keyClick(demo, Qt::Key_Return);
        EXPECT_EQ(demo->text(), "8.0");
        type("2.5");
        QTest::keyClick(demo, Qt::Key_Return);
        type("");
        QTest::keyClick(demo, Qt::Key_Return);  // no number: the value before it comes back
        EXPECT_EQ(demo->text(), "2.5");

        // The arrows step from the committed value and stop at the ends.
        demo->setText("7.95");
        spin(dialog, u"编辑框_演示延时", +1);
        EXPECT_EQ(demo->text(), "8.0");
        spin(dialog, u"编辑框_演示延时", +1);
        EXPECT_EQ(demo->text(), "8.0");
        demo->setText("0.35");
        spin(dialog, u"编辑框_演示延时", -1);
        spin(dialog, u"编辑框_演示延时", -1);
        EXPECT_EQ(demo->text(), "0.3");
        type("0.5");  // left as typed: OK commits it
    });
    EXPECT_EQ(app->settings().demo_delay, 500);
    EXPECT_NE(test::read_file(settings_path()).find(G("演示延时=500\r\n")), std::string::npos);
}

TEST_F(SettingsDialogTest, TheFrameDelayHoldsOnlyWhatAGifCanHold) {
    start();
    const auto ok_with = [this](const std::function<void(QLineEdit*)>& edit) {
        QString shown;
        in_dialog([&](QWidget* dialog) {
            QLineEdit* frame = box(dialog, u"编辑框_帧延时");
            edit(frame);
            QTest::keyClick(frame, Qt::Key_Return);
            shown = frame->text();
        });
        return shown;
    };
    const auto typed = [](const char* keys) {
        return [keys](QLineEdit* frame) {
            frame->setFocus();
            frame->selectAll();
            QTest::keyClicks(frame, keys);
        };
    };
    EXPECT_EQ(ok_with(typed("-0.2")), "0.2");  // the sign cannot be typed
    EXPECT_EQ(app->settings().frame_delay, 20);
    EXPECT_EQ(ok_with(typed("99999999")), "655.35");
    EXPECT_EQ(app->settings().frame_delay, 65535);
    // A text that cannot be typed, set straight into the box, is committed by OK.
    ok_with([](QLineEdit* frame) { frame->setText("abc"); });
    EXPECT_EQ(app->settings().frame_delay, 65535);  // the value before it
    EXPECT_EQ(ok_with(typed("0")), "0.02");
    EXPECT_NE(test::read_file(settings_path()).find(G("帧延时=2\r\n")), std::string::npos);
}

// A corrupt value in the file is neither shown nor saved back.
TEST_F(SettingsDialogTest, AnImpossibleSettingIsReplacedByItsDefault) {
    std::ofstream(settings_path(), std::ios::binary) << G("[设置]\r\n演示延时=-2147483600\r\n帧延时=0\r\n");
    start();
    in_dialog([](QWidget* dialog) {
        EXPECT_EQ(box(dialog, u"编辑框_演示延时")->text(), "1.0");
        EXPECT_EQ(box(dialog, u"编辑框_帧延时")->text(), "1.0");
    });
    const std::string saved = test::read_file(settings_path());
    EXPECT_NE(saved.find(G("演示延时=1000\r\n")), std::string::npos);
    EXPECT_NE(saved.find(G("帧延时=100\r\n")), std::string::npos);
}

TEST_F(SettingsDialogTest, TitleAndAuthorAreCutAtWholeCharactersAfterAWarning) {
    start();
    open_through_button("game.pgn", kShortPgn);
    in_dialog(
        [this](QWidget* dialog) {
            QLineEdit* title = box(dialog, u"编辑框_动画标题");
            const QString eighteen = QString(18, QChar(u'棋'));  // 36 bytes
            title->setText(eighteen);
            EXPECT_EQ(message_count(), 0);
            title->setText("a" + eighteen);  // 37 bytes: the last character would be split
            expect_warning(0, "标题过长，请重新输入！");
            EXPECT_EQ(title->text(), "a" + QString(17, QChar(u'棋')));

            QLineEdit* author = box(dialog, u"编辑框_动画作者");
            author->setText(QString(11, QChar(u'名')));  // 22 bytes
            EXPECT_EQ(message_count(), 1);
            author->setText(QString(12, QChar(u'名')));
            expect_warning(1, "名字过长，请重新输入！");
            EXPECT_EQ(author->text(), QString(11, QChar(u'名')));
            author->setText("ab" + QString(11, QChar(u'名')));
            EXPECT_EQ(author->text(), "ab" + QString(10, QChar(u'名')));
            EXPECT_EQ(message_count(), 3);
        });
    // The board's title line is cut the same way.
    EXPECT_EQ(session().game.title, to_gbk("a" + QString(17, QChar(u'棋'))));
    EXPECT_EQ(app->settings().author, G("ab名名名名名名名名名名"));
}

TEST_F(SettingsDialogTest, DisplaySizeIsStoredAndTakesEffectAtTheNextStart) {
    std::ofstream(dir.path() / "rcanim.ini", std::ios::binary) << G("[设置]\r\n显示大小=150\r\n");
    start();
    EXPECT_EQ(app->started_display_size(), 150);
    auto choose = [](QWidget* dialog, const QString& text) {
        auto* sizes = in<QComboBox>(dialog, u"组合框_显示大小");
        ASSERT_NE(sizes, nullptr);
        ASSERT_EQ(sizes->count(), 3);
        EXPECT_EQ(sizes->itemText(0), "100 %");
        EXPECT_EQ(sizes->itemText(2), "200 %");
        sizes->setCurrentIndex(sizes->findText(text));
    };
    in_dialog([](QWidget* dialog) { EXPECT_EQ(in<QComboBox>(dialog, u"组合框_显示大小")->currentText(), "150 %"); });
    EXPECT_EQ(message_count(), 0);  // unchanged: nothing to say

    in_dialog([&](QWidget* dialog) { choose(dialog, "200 %"); });
    EXPECT_EQ(app->settings().display_size, 200);
    EXPECT_NE(test::read_file(settings_path()).find(G("显示大小=200\r\n")), std::string::npos);
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("新的显示大小将在下次启动时生效。"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));

    // Back to the size the program runs at: stored, and nothing to wait for.
    in_dialog([&](QWidget* dialog) { choose(dialog, "150 %"); });
    EXPECT_EQ(load_settings(settings_path()).display_size, 150);
    EXPECT_EQ(message_count(), 1);
}

TEST_F(SettingsDialogTest, TitleIsRefusedBeforeARecordIsOpen) {
    start();
    const QImage before = shown_board();
    in_dialog([this](QWidget* dialog) {
        QLineEdit* title = box(dialog, u"编辑框_动画标题");
        title->setText(QStringLiteral("标"));
        expect_warning(0, "因标题是一次性的，请在打开棋谱后设置！");
        EXPECT_EQ(title->text(), "");
        box(dialog, u"编辑框_动画作者")->setText(QStringLiteral("某人"));
    });
    EXPECT_EQ(message_count(), 1);
    // OK without a record leaves the board alone; the next record shows the new author.
    EXPECT_EQ(shown_board(), before);
    EXPECT_EQ(app->settings().author, G("某人"));
    open_through_button("game.pgn", kShortPgn);
    EXPECT_EQ(app->animation_job().author_line, G("动画制作：某人"));
}

TEST_F(SettingsDialogTest, OkStoresAndShowsTheValues) {
    start();
    open_through_button("game.pgn", kShortPgn);
    const QImage before = shown_board();
    in_dialog([](QWidget* dialog) {
        in<QCheckBox>(dialog, u"选择框_音效")->setChecked(false);
        in<QCheckBox>(dialog, u"选择框_定着")->setChecked(true);
        box(dialog, u"编辑框_演示延时")->setText("1.5");
        box(dialog, u"编辑框_帧延时")->setText("0.3");
        box(dialog, u"编辑框_动画作者")->setText(QStringLiteral("某人"));
        box(dialog, u"编辑框_动画标题")->setText(QStringLiteral("新标题"));
    });
    EXPECT_EQ(test::read_file(settings_path()),
              G("[设置]\r\n使用音效=假\r\n使用背乐=假\r\n演示延时=1500\r\n帧延时=30\r\n动画作者=某人\r\n显示大小=100\r\n"
                "棋盘翻转=假\r\n分析引擎=" + default_engine_program() + "\r\n分析用时=1000\r\n引擎线程=1\r\n显示分析=假\r\n"
                "图片大小=1\r\n"));
    const Settings& s = app->settings();
    EXPECT_FALSE(s.sound_effects);
    EXPECT_TRUE(s.start_at_selected_move);
    EXPECT_EQ(s.demo_delay, 1500);
    EXPECT_EQ(s.frame_delay, 30);
    EXPECT_EQ(session().game.title, G("新标题"));
    EXPECT_NE(shown_board(), before);  // the title and author lines changed at once
    EXPECT_EQ(app->animation_job().author_line, G("动画制作：某人"));

    // Delays are read from the digits as typed.
    in_dialog([](QWidget* dialog) {
        box(dialog, u"编辑框_帧延时")->setText("0.29");
        box(dialog, u"编辑框_演示延时")->setText("4.35");
    });
    EXPECT_EQ(app->settings().frame_delay, 29);
    EXPECT_EQ(app->settings().demo_delay, 4350);

    // An empty author empties the author line.
    in_dialog([](QWidget* dialog) { box(dialog, u"编辑框_动画作者")->clear(); });
    EXPECT_EQ(app->animation_job().author_line, "");
    EXPECT_EQ(message_count(), 0);
}

TEST_F(SettingsDialogTest, TheEngineItsTimeAndItsThreadsAreChosenWithinBounds) {
    start();
    dialogs.program_answer = QStringLiteral("/usr/local/bin/象棋引擎");
    in_dialog([](QWidget* dialog) {
        press(dialog, u"按钮_选择引擎");
        EXPECT_EQ(box(dialog, u"编辑框_分析引擎")->text(), QStringLiteral("/usr/local/bin/象棋引擎"));
        QLineEdit* time = box(dialog, u"编辑框_分析用时");
        time->setText("0.1");
        spin(dialog, u"编辑框_分析用时", -1);  // the shortest time stays
        EXPECT_EQ(time->text(), "0.1");
        spin(dialog, u"编辑框_分析用时", +1);
        EXPECT_EQ(time->text(), "0.2");
        // One thread for each processor is offered.
        auto* threads = in<QComboBox>(dialog, u"组合框_引擎线程");
        EXPECT_EQ(threads->count(), offered_engine_threads());
        threads->setCurrentIndex(threads->count() - 1);
    });
    EXPECT_EQ(app->settings().engine_program, G("/usr/local/bin/象棋引擎"));
    EXPECT_EQ(app->settings().analysis_time, 200);
    EXPECT_EQ(app->settings().engine_threads, offered_engine_threads());

    // A blank program is none; a time beyond the range is brought into it.
    in_dialog([](QWidget* dialog) {
        box(dialog, u"编辑框_分析引擎")->setText("   ");
        box(dialog, u"编辑框_分析用时")->setText("900000");
    });
    EXPECT_EQ(app->settings().engine_program, "");
    EXPECT_EQ(app->settings().analysis_time, kAnalysisTimeRange.highest);
    EXPECT_EQ(message_count(), 0);
}

TEST_F(SettingsDialogTest, CancelAndCloseStoreNothing) {
    start();
    open_through_button("game.pgn", kShortPgn);
    const QImage before = shown_board();
    for (const char16_t* button : {u"图形按钮_取消", u"图形按钮_关闭"}) {
        in_dialog(
            [](QWidget* dialog) {
                in<QCheckBox>(dialog, u"选择框_背乐")->setChecked(true);
                box(dialog, u"编辑框_帧延时")->setText("0.3");
                box(dialog, u"编辑框_动画作者")->setText(QStringLiteral("某人"));
                box(dialog, u"编辑框_动画标题")->setText(QStringLiteral("新标题"));
            },
            button);
    }
    EXPECT_FALSE(std::filesystem::exists(settings_path()));
    EXPECT_EQ(app->settings().frame_delay, 100);
    EXPECT_EQ(app->settings().author, "");
    EXPECT_EQ(session().game.title, G("测试对局"));
    EXPECT_EQ(shown_board(), before);
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Off);
}

TEST_F(SettingsDialogTest, AFailedSaveIsReported) {
    start();
    std::filesystem::create_directory(settings_path());  // cannot be written as a file
    in_dialog([](QWidget*) {});
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("设置保存失败！\n这是一个文件夹"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
}

TEST_F(SettingsDialogTest, TheTuneFollowsTheSettingWithoutRestarting) {
    std::ofstream(settings_path(), std::ios::binary) << G("[设置]\r\n使用背乐=真\r\n");
    start();
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Loop);
    EXPECT_EQ(app->sounds().tune_starts(), 1);

    in_dialog([](QWidget* dialog) { in<QCheckBox>(dialog, u"选择框_背乐")->setChecked(false); });
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Off);
    in_dialog([](QWidget* dialog) { in<QCheckBox>(dialog, u"选择框_背乐")->setChecked(true); });
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Loop);
    EXPECT_EQ(app->sounds().tune_starts(), 2);
    in_dialog([](QWidget*) {});  // still on: the playing tune goes on
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Loop);
    EXPECT_EQ(app->sounds().tune_starts(), 2);
}

TEST_F(SettingsDialogTest, WithTheTuneOffNothingSoundsAtStartUp) {
    start();
    EXPECT_EQ(app->sounds().music_mode(), MusicMode::Off);
    EXPECT_EQ(app->sounds().tune_starts(), 0);
}

}  // namespace
}  // namespace kelvara::test
