#pragma once
// Why a file could not be read or written, in the program's Chinese.

#include <QString>

#include "platform/file_error.h"

namespace kelvara {

QString chinese_reason(const FileError& error);

}  // namespace kelvara
