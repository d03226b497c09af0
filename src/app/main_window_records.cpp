// The main window's commands that move whole records in and out: paste a record from the
// clipboard, save the game as PGN.

#include <QClipboard>
#include <QGuiApplication>

#include "app/main_window.h"
#include "app/ui_text.h"
#include "platform/atomic_file.h"
#include "record/pgn_writer.h"

namespace kelvara {

namespace {

const QString kPastedName = QStringLiteral("剪贴板棋谱");

}  // namespace

void MainWindow::paste_record() {
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    // Text that no reader takes changes nothing.
    const OpenOutcome outcome = app_.open_record_bytes(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                                       local_path(kPastedName));
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
    if (!write_file_atomically(local_path(file_name), write_pgn(s.game)))
        show_message(QStringLiteral("保存棋谱失败！"), QStringLiteral("错误"), MessageIcon::Critical);
}

}  // namespace kelvara
