// The main window's commands that move whole records in and out: paste a record from the
// clipboard, save the game as PGN.

#include <QClipboard>
#include <QGuiApplication>

#include "app/analysis_controller.h"
#include "app/file_error_text.h"
#include "app/main_window.h"
#include "app/ui_text.h"
#include "engine/game_annotation.h"
#include "platform/atomic_file.h"
#include "record/pgn_writer.h"

namespace kelvara {

namespace {

const QString kPastedName = QStringLiteral("剪贴板棋谱");

}  // namespace

void MainWindow::paste_record() {
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const std::string_view bytes(text.constData(), static_cast<std::size_t>(text.size()));
    const std::filesystem::path name = local_path(kPastedName);
    int game_index = 0;
    const std::vector<GameSummary> games = list_record_games(bytes, gbk_file_name(name));
    if (games.size() > 1) {
        const std::optional<int> chosen = dialogs_.game_to_open(this, games);
        if (!chosen) return;  // cancelled: the loaded record stays
        game_index = *chosen;
    }
    // Text that no reader takes changes nothing.
    const OpenOutcome outcome = app_.open_record_bytes(bytes, name, game_index, static_cast<int>(games.size()));
    if (!outcome.opened) {
        show_message(QStringLiteral("剪贴板中没有可以读出的棋谱！"), QStringLiteral("提示"),
                     MessageIcon::Information);
        return;
    }
    show_opened(outcome);
}

void MainWindow::save_record_as_pgn() {
    const BoardSession& s = app_.session();
    if (!s.game.loaded) {
        show_message(QStringLiteral("请先打开一个棋谱文件！"), QStringLiteral("提示"), MessageIcon::Information);
        return;
    }
    const QString stem = QString::fromStdString(app_.record_path().stem().string());
    const QString file_name = dialogs_.pgn_to_save(this, (stem.isEmpty() ? kPastedName : stem) + ".pgn");
    if (file_name.isEmpty()) return;
    // A whole-game analysis of the record goes with it, as comments on its moves.
    GameRecord game = s.game;
    annotate(game, analysis_->game_analysis());
    FileError error;
    if (!write_file_atomically(local_path(file_name), write_pgn(game), &error))
        show_message(QStringLiteral("保存棋谱失败！\n") + file_name + QStringLiteral("：") + chinese_reason(error),
                     QStringLiteral("错误"), MessageIcon::Critical);
}

}  // namespace kelvara
