#pragma once
// The open and save dialogs, and the desktop's own programs for a file, behind one
// interface, so that tests answer them without showing anything.

#include <QString>

class QWidget;

namespace kelvara {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The record file the user chose, or an empty string when the dialog was cancelled.
    virtual QString record_to_open(QWidget* parent) = 0;
    // Where the board picture goes (with .bmp added when the name has no suffix), or
    // an empty string when the dialog was cancelled.
    virtual QString picture_to_save(QWidget* parent) = 0;
    // Opens a file or a folder in the program the desktop has for it (the file manager,
    // the picture viewer); false when there is none.
    virtual bool open_externally(const QString& path) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString record_to_open(QWidget* parent) override;
    QString picture_to_save(QWidget* parent) override;
    bool open_externally(const QString& path) override;
};

}  // namespace kelvara
