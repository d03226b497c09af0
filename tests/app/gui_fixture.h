#pragma once
// A main window over a fresh application object, with its messages recorded and its
// file dialogs answered by the test.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/file_dialogs.h"
#include "app/kelvara_app.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "support/test_support.h"

namespace kelvara::test {

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
    QStringList choices;  // empty: one OK button
};

class RecordingMessages : public Messages {
public:
    void show(const QString& text, const QString& caption, MessageIcon icon) override {
        shown.push_back({text, caption, icon, {}});
    }
    int ask(const QString& text, const QString& caption, MessageIcon icon, const QStringList& choices) override {
        shown.push_back({text, caption, icon, choices});
        return answer;
    }
    std::vector<ShownMessage> shown;
    int answer = -1;  // the button ask() presses: -1 closes the box
};

class AnsweringDialogs : public FileDialogs {
public:
    QString record_to_open(QWidget*) override {
        ++open_asked;
        return open_answer;
    }
    QString picture_to_save(QWidget*) override {
        ++save_asked;
        return save_answer;
    }
    bool open_externally(const QString& path) override {
        opened_externally.push_back(path);
        return true;
    }
    std::optional<int> game_to_open(QWidget*, const std::vector<GameSummary>& games) override {
        games_offered = games;
        return game_answer;
    }
    QString pgn_to_save(QWidget*, const QString& suggested_name) override {
        ++pgn_asked;
        pgn_suggested = suggested_name;
        return pgn_answer;
    }
    QString program_to_open(QWidget*) override { return program_answer; }
    QString open_answer;  // empty: the user cancels
    QString save_answer;
    std::optional<int> game_answer;  // nullopt: the user cancels
    std::vector<GameSummary> games_offered;
    QString pgn_answer;
    QString pgn_suggested;
    QString program_answer;
    int open_asked = 0;
    int save_asked = 0;
    std::vector<QString> opened_externally;
    int pgn_asked = 0;
};

// A short game with captures at moves 3 and 5.
inline constexpr const char* kShortPgn =
    "[Event \"测试对局\"]\n1. 炮二平五 马８进７ 2. 炮五进四 士４进５ 3. 炮八进七 象３进５\n";
// 炮二平五, 马8进7, 马八进七 as QQ move groups.
inline constexpr const char* kShortQq = "1 3 25 32 1 2 1 2 4 0 1 0 5 32 0 9 1 7 2 0 2 0 22 32 1 0 7 2 6 0 3 0\n";

class GuiTest : public ::testing::Test {
protected:
    // The settings file is read from the test's folder; write it before start().
    void start();
    void TearDown() override;

    BoardSession& session() { return app->session(); }
    QWidget* control(const char16_t* name) const;
    template <typename T>
    T* control(const char16_t* name) const {
        return qobject_cast<T*>(control(name));
    }

    // Writes a record file (UTF-8 text stored as GBK) into the test's folder.
    QString write_record(const std::string& file_name, const std::string& utf8_text) const;
    // Opens a record through the open button, the dialog answering its path.
    void open_through_button(const std::string& file_name, const std::string& utf8_text);
    void click(const char16_t* name) const;
    // Runs command, which opens a modal window, and act on that window once it shows;
    // returns when the window has closed. A window that act leaves open fails the test.
    void with_modal(const std::function<void()>& command, const std::function<void(QWidget*)>& act);
    // The make button, answered in the maker window: the last move (left as it is offered
    // when 0), then 确定; returns when the window has closed.
    void make_through_button(int last_move = 0);
    // Where the program writes animations during the test.
    std::filesystem::path animation_folder() const { return dir.path() / "animations"; }

    // The board as a fresh board session composes it for the game at the selected move.
    QImage expected_board(int selected) const;
    QImage shown_board() const;
    int view_selection() const;
    int message_count() const { return static_cast<int>(messages.shown.size()); }

    TempDir dir;
    RecordingMessages messages;
    AnsweringDialogs dialogs;
    std::unique_ptr<KelvaraApp> app;
    std::unique_ptr<MainWindow> window;
};

}  // namespace kelvara::test
