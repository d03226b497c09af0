#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "app/graphic_button.h"
#include "app/skin.h"
#include "gui_fixture.h"

namespace kelvara::test {
namespace {

class DemonstrationTest : public GuiTest {
protected:
    // Starts with the settings' lines and the short game open; records every sound. A
    // demo delay shorter than any the settings allow keeps the test quick.
    void start_with(const std::string& settings_lines, int demo_delay = 0) {
        std::ofstream(dir.path() / "rcanim.ini", std::ios::binary) << G("[设置]\r\n" + settings_lines);
        start();
        if (demo_delay > 0) app->settings().demo_delay = demo_delay;
        open_through_button("game.pgn", kShortPgn);
        app->sounds().on_played([this](MoveSound sound) { sounds.push_back(sound); });
    }
    QTimer* timer() const { return window->findChild<QTimer*>(QStringLiteral("时钟1")); }
    GraphicButton* play_button() const { return control<GraphicButton>(u"图形按钮_自动"); }
    bool shows(SkinButton pictures) const {
        return play_button()->current_picture().toImage() == button_pictures(pictures).normal.toImage() &&
               play_button()->size() == button_pictures(pictures).normal.size();
    }
    // The sound each move of the game asks for, once it has been played.
    MoveSound sound_of(int row) {
        return session().game.moves[row].captured != kEmpty ? MoveSound::Capture : MoveSound::Move;
    }

    std::vector<MoveSound> sounds;
};

TEST_F(DemonstrationTest, EachTickShowsTheNextMoveWithItsSoundAndTheLastTickStops) {
    start_with("", 5);
    click(u"图形按钮_下步");
    click(u"图形按钮_下步");  // row 1: stepping by hand makes no sound
    ASSERT_NE(timer(), nullptr);
    std::vector<int> rows_after_ticks;
    QObject::connect(timer(), &QTimer::timeout, [this, &rows_after_ticks] {
        rows_after_ticks.push_back(session().list.selection());
    });

    click(u"图形按钮_自动");
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 5);
    EXPECT_TRUE(shows(SkinButton::Stop));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session().playback.demo_running(); }, 5000));

    EXPECT_EQ(rows_after_ticks, (std::vector<int>{2, 3, 4, 5, 5}));  // one more tick finds the last row
    EXPECT_FALSE(timer()->isActive());
    EXPECT_TRUE(shows(SkinButton::Play));
    EXPECT_EQ(view_selection(), 5);
    EXPECT_EQ(shown_board(), expected_board(5));
    const std::vector<MoveSound> expected{sound_of(2), sound_of(3), sound_of(4), sound_of(5)};
    EXPECT_EQ(sounds, expected);
    EXPECT_NE(std::count(sounds.begin(), sounds.end(), MoveSound::Capture), 0);
    EXPECT_NE(std::count(sounds.begin(), sounds.end(), MoveSound::Move), 0);
}

TEST_F(DemonstrationTest, JumpsAndTheSoundSettingOffAreSilent) {
    start_with("演示延时=8000\r\n");
    click(u"图形按钮_自动");
    click(u"图形按钮_尾步");  // five moves at once during the demonstration
    EXPECT_EQ(shown_board(), expected_board(5));
    EXPECT_TRUE(sounds.empty());
    click(u"图形按钮_自动");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_TRUE(shows(SkinButton::Play));

    TearDown();
    sounds.clear();
    start_with("使用音效=假\r\n", 5);
    click(u"图形按钮_自动");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session().playback.demo_running(); }, 5000));
    EXPECT_EQ(shown_board(), expected_board(5));
    EXPECT_TRUE(sounds.empty());
}

TEST_F(DemonstrationTest, ConfirmedSettingsChangeThePaceAtOnce) {
    start_with("");
    click(u"图形按钮_自动");
    EXPECT_EQ(timer()->interval(), 1000);
    with_modal([this] { window->open_settings(); },
               [](QWidget* dialog) {
                   dialog->findChild<QLineEdit*>(QStringLiteral("编辑框_演示延时"))->setText("0.5");
                   QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("图形按钮_确定")),
                                     Qt::LeftButton);
               });
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 500);
    EXPECT_LT(timer()->remainingTime(), 600);  // restarted: not the second left of the old period
    EXPECT_EQ(session().playback.timer_period(), 500);
    EXPECT_TRUE(shows(SkinButton::Stop));
}

TEST_F(DemonstrationTest, MakingAndSnapshotsWaitForItsEnd) {
    start_with("");
    click(u"图形按钮_自动");
    click(u"图形按钮_制作");
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("请先停止自动播放！"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    window->save_board_picture();
    ASSERT_EQ(message_count(), 2);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("请先停止自动演示！"));
    EXPECT_TRUE(session().playback.demo_running());
    EXPECT_TRUE(timer()->isActive());
    EXPECT_FALSE(std::filesystem::exists(animation_folder()));
}

}  // namespace
}  // namespace kelvara::test
