#include "app/board_display.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cstring>

namespace kelvara {

QImage to_qimage(const Image& picture, int scale) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) line[x] = picture.at(x, y) | 0xFF000000u;
    }
    image.setDevicePixelRatio(scale);
    return image;
}

BoardDisplay::BoardDisplay(BoardView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    take_picture();
    view_.on_display_changed([this] { take_picture(); });
}

BoardDisplay::~BoardDisplay() { view_.on_display_changed({}); }

void BoardDisplay::set_menu(QMenu* menu, std::function<bool()> offered) {
    menu_ = menu;
    menu_offered_ = std::move(offered);
}

void BoardDisplay::take_picture() {
    picture_ = to_qimage(view_.display(), view_.scale());
    update();
}

void BoardDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Pixel for pixel when the screen's ratio is the view's scale; smoothly scaled down
    // in between (a 150 % screen shows the scale-2 picture).
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), picture_);
}

void BoardDisplay::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (menu_ && menu_offered_ && menu_offered_())
            menu_->popup(event->globalPosition().toPoint() + QPoint(3, 3));
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace kelvara
