#pragma once
// The open and save dialogs behind one interface, so that tests answer them without
// showing a dialog.

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
};

class QtFileDialogs : public FileDialogs {
public:
    QString record_to_open(QWidget* parent) override;
    QString picture_to_save(QWidget* parent) override;
};

}  // namespace kelvara
