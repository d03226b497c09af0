#pragma once
// Every message box of the program goes through Messages, so that tests record what the
// user would have been told instead of showing it.

#include <QString>

namespace kelvara {

enum class MessageIcon { Information, Warning, Critical };

class Messages {
public:
    virtual ~Messages() = default;
    // Shows text under caption with one OK button and returns when it is dismissed.
    virtual void show(const QString& text, const QString& caption, MessageIcon icon) = 0;
};

// Modal message boxes over the active window.
class MessageBoxes : public Messages {
public:
    void show(const QString& text, const QString& caption, MessageIcon icon) override;
};

}  // namespace kelvara
