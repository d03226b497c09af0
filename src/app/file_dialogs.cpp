#include "app/file_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

#include "app/game_chooser.h"
#include "app/ui_text.h"
#include "record/record_formats.h"

namespace kelvara {

namespace {

QString chosen_file(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString patterns(std::span<const std::string_view> extensions) {
    QStringList out;
    for (const std::string_view e : extensions) {
        const QString lower = QStringLiteral("*") + QString::fromLatin1(e.data(), static_cast<qsizetype>(e.size()));
        out << lower << lower.toUpper();
    }
    return out.join(QLatin1Char(' '));
}

}  // namespace

QStringList record_filters() {
    QStringList every, each;
    for (const RecordFormat& f : record_formats()) {
        every << patterns(f.extensions);
        each << from_gbk(f.name) + QStringLiteral("(") + patterns(f.extensions) + QStringLiteral(")");
    }
    return QStringList{QStringLiteral("可打开的棋谱(") + every.join(QLatin1Char(' ')) + QStringLiteral(")")} + each;
}

QString QtFileDialogs::record_to_open(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("打开棋谱"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(record_filters());
    return chosen_file(dialog);
}

QString QtFileDialogs::pgn_to_save(QWidget* parent, const QString& suggested_name) {
    QFileDialog dialog(parent, QStringLiteral("另存为PGN棋谱"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PGN棋谱(*.pgn)"));
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    dialog.selectFile(suggested_name);
    return chosen_file(dialog);
}

QString QtFileDialogs::picture_to_save(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("保存棋图"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString bmp = QStringLiteral("BMP图片文件(*.bmp)");
    const QString png = QStringLiteral("PNG图片文件(*.png)");
    dialog.setNameFilters({bmp, png});
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, png](const QString& filter) {
        dialog.setDefaultSuffix(filter == png ? QStringLiteral("png") : QStringLiteral("bmp"));
    });
    return chosen_file(dialog);
}

bool QtFileDialogs::open_externally(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<int> QtFileDialogs::game_to_open(QWidget* parent, const std::vector<GameSummary>& games) {
    return GameChooser::choose(games, parent);
}

QString QtFileDialogs::program_to_open(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("选择分析引擎"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setFilter(QDir::Files | QDir::Executable | QDir::AllDirs | QDir::NoDotAndDotDot);
    return chosen_file(dialog);
}

}  // namespace kelvara
