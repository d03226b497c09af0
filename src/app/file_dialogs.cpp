#include "app/file_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

namespace kelvara {

namespace {

QString chosen_file(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtFileDialogs::record_to_open(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("打开棋谱"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("可打开的棋谱(*.che *.pgn)"), QStringLiteral("QQ棋谱(*.che)"),
                           QStringLiteral("PGN棋谱(*.pgn)")});
    return chosen_file(dialog);
}

QString QtFileDialogs::picture_to_save(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("保存棋图"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("BMP图片文件(*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    return chosen_file(dialog);
}

bool QtFileDialogs::open_externally(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace kelvara
