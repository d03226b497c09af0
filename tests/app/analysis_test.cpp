// The analysis strip in the main window, against the fake engine: opened from the board's
// menu and remembered, the window growing by it; following the selection; the whole game
// analysed with its moves marked, or cancelled; an engine that cannot run reported; and no
// engine left once the strip or the window is closed.

#include <QAbstractButton>
#include <QAction>
#include <QTest>

#include <fstream>

#include "app/analysis_controller.h"
#include "app/analysis_strip.h"
#include "app/move_list_view.h"
#include "board/rules.h"
#include "gui_fixture.h"
#include "notation/chinese_notation.h"
#include "record/played_moves.h"
#include "support/processes.h"

namespace kelvara::test {
namespace {

class AnalysisTest : public GuiTest {
protected:
    // A settings file naming the fake engine with these arguments.
    void use_engine(const std::string& arguments, const std::string& more_settings = "") {
        const std::string engine = write_launcher(dir.path() / "engine.sh", KELVARA_FAKE_ENGINE, arguments);
        std::ofstream(settings_path(), std::ios::binary)
            << G("[设置]\r\n分析引擎=" + engine + "\r\n分析用时=100\r\n" + more_settings);
    }
    std::filesystem::path settings_path() const { return dir.path() / "rcanim.ini"; }
    std::string settings_text() const { return U(read_file(settings_path())); }

    QAction* action(const char16_t* name) const { return window->findChild<QAction*>(QString::fromUtf16(name)); }
    AnalysisStrip* strip() const { return window->findChild<AnalysisStrip*>(QStringLiteral("面板_分析")); }
    AnalysisController& analysis() const { return window->analysis(); }
    QStringList rows() const {
        auto* view = control<MoveListView>(u"超级列表框_回合");
        QStringList texts;
        for (int i = 0; i < view->model()->rowCount(); ++i) texts << view->model()->index(i, 0).data().toString();
        return texts;
    }
    static bool wait_for(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }
};

// Six legal moves: every position of it can be judged.
constexpr const char* kOpening = "[Event \"开局\"]\n1. 炮二平五 马８进７ 2. 马二进三 车９平８ 3. 车一平二 马２进３\n";

QString joined(const std::vector<std::string>& gbk_words) {
    QStringList words;
    for (const std::string& w : gbk_words) words << QString::fromStdString(U(w));
    return words.join(QLatin1Char(' '));
}

TEST_F(AnalysisTest, OpensFromTheMenuGrowsTheWindowAndIsRemembered) {
    use_engine("--variants xiangqi --scores 35");
    start();
    open_through_button("game.pgn", kOpening);
    EXPECT_FALSE(strip()->isVisible());
    action(u"分析")->trigger();
    EXPECT_EQ(window->size(), QSize(410, 430));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(strip()->isVisible());
    EXPECT_EQ(strip()->geometry(), QRect(11, 361, 392, 60));
    EXPECT_TRUE(action(u"分析")->isChecked());
    EXPECT_NE(settings_text().find("显示分析=真"), std::string::npos);
    ASSERT_TRUE(wait_for([&] { return strip()->score_text() == "+35"; })) << strip()->line_text().toStdString();
    EXPECT_GT(strip()->red_share(), 0.5);
    const pid_t engine = analysis().engine_pid();
    ASSERT_GT(engine, 0);

    // Closed by its own button: the window shrinks back and the engine is gone.
    QTest::mouseClick(strip()->close_button(), Qt::LeftButton);
    EXPECT_EQ(window->size(), QSize(410, 365));
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_FALSE(action(u"分析")->isChecked());
    EXPECT_NE(settings_text().find("显示分析=假"), std::string::npos);
    EXPECT_TRUE(process_gone(engine));
    EXPECT_EQ(message_count(), 0);
}

TEST_F(AnalysisTest, FollowsTheSelection) {
    use_engine("--variants xiangqi --scores 0,40,-25,60", "显示分析=真\r\n");
    start();
    EXPECT_EQ(window->size(), QSize(410, 430));  // opened at start, as it was left
    open_through_button("game.pgn", kOpening);
    // The start first: the engine's answer shows how it counts ranks.
    ASSERT_TRUE(wait_for([&] { return strip()->score_text() == "0"; }));
    for (int selected : {1, 2, 0}) {
        session().list.select(selected);
        // After selected + 1 moves the fake scores 40 (black to move), -25 (red), 60 (black).
        const int red_view[] = {-40, -25, -60};
        const int expected = red_view[selected];
        ASSERT_TRUE(wait_for([&] { return strip()->score_text() == QString::number(expected); }))
            << selected << ": " << strip()->score_text().toStdString();
        // The line is the fake's: the first legal move and the first legal reply, in Chinese.
        const GameRecord& game = session().game;
        std::vector<Move> moves = played_moves(game);
        moves.resize(static_cast<std::size_t>(selected + 1));
        Position board = start_position(game);
        for (const Move& m : moves) make_move(board, m);
        const Side side = moves.size() % 2 == 0 ? Side::Red : Side::Black;
        const Move best = legal_moves(board, side).front();
        Position after = board;
        make_move(after, best);
        const auto line = notation::chinese_line_text(board, {best, legal_moves(after, opponent(side)).front()}, 8);
        EXPECT_EQ(strip()->line_text(), joined(line));
        EXPECT_EQ(strip()->depth_text(), QStringLiteral("深度 2"));
    }
}

TEST_F(AnalysisTest, TheWholeGameIsAnalysedAndItsMovesMarked) {
    // From red's side +20, -150, +200, +180, +180, 0, 0: red's first move loses 170, black's
    // first 350, red's third 180.
    use_engine("--variants xiangqi --scores 20,150,200,-180,180,0,0");
    start();
    open_through_button("game.pgn", kOpening);
    action(u"分析全局")->trigger();
    EXPECT_TRUE(strip()->isVisible());  // the strip opens for it
    ASSERT_TRUE(wait_for([&] { return !analysis().analysing_game(); }));
    EXPECT_FALSE(strip()->showing_progress());
    const QStringList expected = {QStringLiteral("1.红：炮二平五?"), QStringLiteral("黑：马８进７??"),
                                  QStringLiteral("2.红：马二进三"),  QStringLiteral("黑：车９平８"),
                                  QStringLiteral("3.红：车一平二?"), QStringLiteral("黑：马２进３")};
    EXPECT_EQ(rows(), expected);
    ASSERT_EQ(analysis().game_analysis().size(), 7u);
    EXPECT_EQ(analysis().game_analysis()[2].evaluation, (Evaluation{200, std::nullopt}));
    // The text copied and the rows of the core keep no marks.
    EXPECT_EQ(session().list.rows()[0].text, G("1.红：炮二平五"));
    EXPECT_TRUE(session().game.notes.empty());

    // Saved as PGN, the game carries the evaluations; a marked move also the better move.
    const auto saved = dir.path() / "analysed.pgn";
    dialogs.pgn_answer = QString::fromStdString(saved.string());
    window->save_record_as_pgn();
    const std::string pgn = U(read_file(saved));
    EXPECT_NE(pgn.find("1. 炮二平五\r\n{? -150，较好的是"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("（+20）}\r\n1... 马８进７\r\n{?? +200，较好的是"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("2. 马二进三\r\n{+180}\r\n"), std::string::npos) << pgn;

    // Another record takes the marks away.
    open_through_button("other.pgn", kOpening);
    EXPECT_EQ(rows()[0], QStringLiteral("1.红：炮二平五"));
    EXPECT_TRUE(analysis().game_analysis().empty());
    EXPECT_EQ(message_count(), 0);
}

TEST_F(AnalysisTest, AWholeGameAnalysisCanBeCancelled) {
    use_engine("--variants xiangqi --slow 3000");
    start();
    open_through_button("game.pgn", kOpening);
    action(u"分析全局")->trigger();
    ASSERT_TRUE(strip()->showing_progress());
    EXPECT_EQ(strip()->depth_text(), QStringLiteral("0/7"));
    QTest::mouseClick(strip()->cancel_button(), Qt::LeftButton);
    EXPECT_FALSE(analysis().analysing_game());
    EXPECT_FALSE(strip()->showing_progress());
    EXPECT_EQ(rows()[0], QStringLiteral("1.红：炮二平五"));
    // The strip goes back to the position on the board, and the engine still serves it.
    EXPECT_TRUE(strip()->isVisible());
    EXPECT_GT(analysis().engine_pid(), 0);
}

TEST_F(AnalysisTest, AnEngineThatCannotRunIsReportedInChinese) {
    std::ofstream(settings_path(), std::ios::binary) << G("[设置]\r\n分析引擎=/no/such/engine\r\n");
    start();
    open_through_button("game.pgn", kOpening);
    action(u"分析")->trigger();
    ASSERT_TRUE(wait_for([&] { return message_count() > 0; }));
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("找不到分析引擎：/no/such/engine")));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("错误"));
    EXPECT_TRUE(strip()->line_text().startsWith(QStringLiteral("找不到分析引擎")));
    // Choosing the whole game now asks for the engine once more, and says so once more.
    action(u"分析全局")->trigger();
    ASSERT_TRUE(wait_for([&] { return message_count() > 1; }));
    EXPECT_FALSE(analysis().analysing_game());

    // No engine named at all.
    analysis().close();
    Settings none = app->settings();
    none.engine_program.clear();
    window->apply_settings(none, session().game.title);
    action(u"分析")->trigger();
    EXPECT_TRUE(strip()->line_text().startsWith(QStringLiteral("未设置分析引擎")));
}

TEST_F(AnalysisTest, ClosingTheWindowLeavesNoEngine) {
    use_engine("--variants xiangqi --deaf", "显示分析=真\r\n");
    start();
    open_through_button("game.pgn", kOpening);
    const pid_t engine = analysis().engine_pid();
    ASSERT_GT(engine, 0);
    EXPECT_FALSE(process_gone(engine));
    window.reset();
    EXPECT_TRUE(process_gone(engine));
}

}  // namespace
}  // namespace kelvara::test
