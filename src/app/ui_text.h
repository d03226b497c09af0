#pragma once
// The program's GBK text meets Qt's Unicode strings here, and Qt's file names meet the
// core's paths.

#include <QString>

#include <filesystem>
#include <string_view>

namespace kelvara {

QString from_gbk(std::string_view gbk);

// The path as the file system spells it (Qt's local 8-bit encoding of file names).
std::filesystem::path local_path(const QString& file_name);

}  // namespace kelvara
