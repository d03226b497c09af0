// The program as a desktop program: it ends on the session's signals, speaks Chinese in
// Qt's own dialogs, puts its message boxes over its window, shows whole rows in the move
// list and starts with the board turned as it was left.
#include <QApplication>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <string_view>
#include <thread>

#include "app/board_display.h"
#include "app/translations.h"
#include "gui_fixture.h"

extern char** environ;

namespace kelvara::test {
namespace {

using ShellTest = GuiTest;

// Whether the process has a handler of its own for the signal (from /proc: SigCgt).
bool catches(pid_t pid, int signal_number) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal_number - 1)) & 1;
    return false;
}

// The desktop program ends on SIGTERM, SIGINT and SIGHUP as its close button ends it.
TEST_F(ShellTest, TheProgramEndsCleanlyOnTheSessionsSignals) {
    for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
        std::vector<std::string> env_strings;
        for (char** e = environ; *e; ++e)
            if (!std::string_view(*e).starts_with("XDG_RUNTIME_DIR=")) env_strings.emplace_back(*e);
        env_strings.emplace_back("QT_QPA_PLATFORM=offscreen");
        env_strings.emplace_back("SDL_AUDIODRIVER=dummy");
        // A runtime folder of its own: no Kelvara running elsewhere takes this one's place.
        env_strings.emplace_back("XDG_RUNTIME_DIR=" + dir.path().string());
        std::vector<char*> env;
        for (auto& e : env_strings) env.push_back(e.data());
        env.push_back(nullptr);
        char program[] = KELVARA_GUI_PROGRAM;
        char* argv[] = {program, nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, program, nullptr, nullptr, argv, env.data()), 0);
        // Ready once its handler is in place.
        bool ready = false;
        for (int i = 0; i < 500 && !(ready = catches(pid, signal_number)); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(ready) << "no handler for signal " << signal_number;
        ::kill(pid, signal_number);
        int status = 0;
        pid_t ended = 0;
        for (int i = 0; i < 500 && (ended = ::waitpid(pid, &status, WNOHANG)) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (ended == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "still running after signal " << signal_number;
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "signal " << signal_number;
    }
}

TEST_F(ShellTest, QtsOwnDialogsSpeakChinese) {
    ASSERT_TRUE(install_qt_translations(*qApp));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("文件名称(&N)："));
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
}

TEST_F(ShellTest, MessageBoxesOpenOverTheMainWindow) {
    start();
    QApplication::setActiveWindow(nullptr);  // as before the window is first activated
    MessageBoxes boxes;
    boxes.set_owner(window.get());
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&parent] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        parent = box->parentWidget();
        box->close();
    });
    boxes.show(QStringLiteral("提示"), QStringLiteral("提示"), MessageIcon::Information);
    EXPECT_EQ(parent, window.get());
}

TEST_F(ShellTest, TheMoveListShowsWholeRowsOnly) {
    start();
    std::string moves;
    for (int i = 0; i < 20; ++i) moves += i % 2 ? " 马二进三 马８进７ 马三退二 马７退８\n" : " 炮二平五 炮８平５ 炮五平二 炮５平８\n";
    open_through_button("long.pgn", moves);
    auto* list = control<QListView>(u"超级列表框_回合");
    ASSERT_EQ(list->model()->rowCount(), 80);
    const int row = list->sizeHintForRow(0);
    ASSERT_GT(row, 0);
    const int shown = list->viewport()->height();
    EXPECT_EQ(shown % row, 0) << "rows of " << row << " in " << shown;
    EXPECT_GT(shown, list->height() - row);
    for (int r : {0, 40, 79}) {
        session().list.select(r);
        list->scrollTo(list->model()->index(r, 0));
        const QRect at = list->visualRect(list->model()->index(r, 0));
        EXPECT_GE(at.top(), 0) << r;
        EXPECT_LE(at.bottom(), shown - 1) << r;
    }
}

// A new user starts with red at the top; the turned board is remembered from then on.
TEST_F(ShellTest, TheBoardStartsTurnedAsItWasLeft) {
    start();
    EXPECT_EQ(session().game.flip_state, 0);
    open_through_button("game.pgn", kShortPgn);
    click(u"图形按钮_交换");
    EXPECT_NE(test::read_file(dir.path() / "rcanim.ini").find(G("棋盘翻转=真")), std::string::npos);

    TearDown();
    start();
    EXPECT_EQ(session().game.flip_state, 1);
    BoardSession turned;
    turned.view.show_file_labels(1);
    EXPECT_EQ(shown_board(), to_qimage(turned.canvas.composed()));
    open_through_button("game.pgn", kShortPgn);
    EXPECT_EQ(shown_board(), expected_board(-1));
    EXPECT_EQ(session().game.board[0][4], 0);  // the black king at the top
    click(u"图形按钮_交换");
    EXPECT_NE(test::read_file(dir.path() / "rcanim.ini").find(G("棋盘翻转=假")), std::string::npos);
    EXPECT_EQ(message_count(), 0);
}

}  // namespace
}  // namespace kelvara::test
