#include "app/title_label.h"

#include <QMouseEvent>
#include <QWindow>

#include "app/skin.h"

namespace kelvara {

TitleLabel::TitleLabel(QWidget* parent) : QLabel(parent) {
    setIndent(4);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kTitleText);
    setPalette(colours);
    QFont text = font();
    text.setPixelSize(kTextPixelSize);
    setFont(text);
}

void TitleLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (QWindow* handle = window()->windowHandle()) handle->startSystemMove();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

}  // namespace kelvara
