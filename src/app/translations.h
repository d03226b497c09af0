#pragma once
// Qt's own texts (the file dialogs, the question before a file is replaced, the standard
// buttons) in Chinese, as every other word of the program.

class QCoreApplication;

namespace kelvara {

// Loads Qt's Simplified Chinese translations into the application; false when they are
// not installed, and Qt then speaks English.
bool install_qt_translations(QCoreApplication& application);

}  // namespace kelvara
