#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

QWidget* MessageBoxes::parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return owner_;
}

void MessageBoxes::show(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(box_icon(icon), caption, text, QMessageBox::Ok, parent());
    box.exec();
}

int MessageBoxes::ask(const QString& text, const QString& caption, MessageIcon icon, const QStringList& choices) {
    QMessageBox box(box_icon(icon), caption, text, QMessageBox::NoButton, parent());
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    if (!buttons.isEmpty()) box.setEscapeButton(buttons.last());
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

}  // namespace kelvara
