#pragma once
// The program's GBK text meets Qt's Unicode strings here, and Qt's file names meet the
// core's paths.

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvara {

QString from_gbk(std::string_view gbk);
// Characters that GBK cannot hold become "?".
std::string to_gbk(const QString& text);

// The path as the file system spells it (Qt's local 8-bit encoding of file names).
std::filesystem::path local_path(const QString& file_name);

}  // namespace kelvara
