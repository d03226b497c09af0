#include "app/graphic_button.h"

#include <QPainter>

namespace kelvara {

GraphicButton::GraphicButton(const ButtonPictures& pictures, QWidget* parent)
    : QAbstractButton(parent), pictures_(pictures) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void GraphicButton::set_pictures(const ButtonPictures& pictures) {
    pictures_ = pictures;
    update();
}

const QPixmap& GraphicButton::current_picture() const {
    if (isDown()) return pictures_.pressed;
    if (hovered_) return pictures_.hover;
    return pictures_.normal;
}

QSize GraphicButton::sizeHint() const { return pictures_.normal.deviceIndependentSize().toSize(); }

void GraphicButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), current_picture());
}

void GraphicButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void GraphicButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace kelvara
