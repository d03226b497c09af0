#include "app/ui_text.h"

#include <QFile>

#include "platform/encoding.h"

namespace kelvara {

QString from_gbk(std::string_view gbk) { return QString::fromStdString(gbk_to_utf8(gbk)); }

std::string to_gbk(const QString& text) { return utf8_to_gbk(text.toStdString()); }

std::filesystem::path local_path(const QString& file_name) {
    return std::filesystem::path(QFile::encodeName(file_name).toStdString());
}

}  // namespace kelvara
