#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvara {

namespace {

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxes::show(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(box_icon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace kelvara
