#pragma once
// Every message box of the program goes through Messages, so that tests record what the
// user would have been told instead of showing it.

#include <QString>
#include <QStringList>

class QWidget;

namespace kelvara {

enum class MessageIcon { Information, Warning, Critical };

class Messages {
public:
    virtual ~Messages() = default;
    // Shows text under caption with one OK button and returns when it is dismissed.
    virtual void show(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Shows text with one button per choice; returns the index of the one pressed, or -1
    // when the box was closed without one.
    virtual int ask(const QString& text, const QString& caption, MessageIcon icon, const QStringList& choices) = 0;
};

// Modal message boxes over the window the user works in: the modal dialog or the active
// window, else the owner (the main window before it is first activated).
class MessageBoxes : public Messages {
public:
    void set_owner(QWidget* owner) { owner_ = owner; }
    void show(const QString& text, const QString& caption, MessageIcon icon) override;
    int ask(const QString& text, const QString& caption, MessageIcon icon, const QStringList& choices) override;

private:
    QWidget* parent() const;

    QWidget* owner_ = nullptr;
};

}  // namespace kelvara
