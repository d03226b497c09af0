#include "app/spin_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "app/skin.h"

namespace kelvara {

namespace {

constexpr int kButtonWidth = 8;
constexpr int kFirstRepeat = 400;  // milliseconds before a held button repeats
constexpr int kRepeat = 80;
const QColor kButtonFill{226, 213, 181};
const QColor kButtonHeld{200, 184, 146};

void draw_arrow(QPainter& painter, const QRect& r, bool up) {
    const int cx = r.center().x() + 1;
    const int cy = r.center().y() + (up ? 0 : 1);
    // A three-row triangle, pixel-exact at this size.
    for (int i = 0; i < 3; ++i) {
        const int y = up ? cy - 1 + i : cy + 1 - i;
        painter.drawLine(cx - i, y, cx + i - 1, y);
    }
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent) : QLineEdit(parent), repeat_(new QTimer(this)) {
    setTextMargins(0, 0, kButtonWidth, 0);
    connect(repeat_, &QTimer::timeout, this, [this] {
        repeat_->setInterval(kRepeat);
        step(held_);
    });
}

QRect SpinEdit::buttons() const { return {width() - kButtonWidth, 0, kButtonWidth, height()}; }

QRect SpinEdit::up_button() const {
    const QRect b = buttons();
    return {b.left(), b.top(), b.width(), b.height() / 2};
}

QRect SpinEdit::down_button() const {
    const QRect b = buttons();
    return {b.left(), b.top() + b.height() / 2, b.width(), b.height() - b.height() / 2};
}

void SpinEdit::step(int direction) {
    if (step_ && direction != 0) step_(direction > 0 ? 1 : -1);
}

void SpinEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(up_button(), held_ > 0 ? kButtonHeld : kButtonFill);
    painter.fillRect(down_button(), held_ < 0 ? kButtonHeld : kButtonFill);
    painter.setPen(kEditText);
    draw_arrow(painter, up_button(), true);
    draw_arrow(painter, down_button(), false);
}

void SpinEdit::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && buttons().contains(at)) {
        held_ = up_button().contains(at) ? 1 : -1;
        step(held_);
        repeat_->start(kFirstRepeat);
        update();
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void SpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (held_ != 0) {
        held_ = 0;
        repeat_->stop();
        update();
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SpinEdit::mouseMoveEvent(QMouseEvent* event) {
    if (held_ != 0) {
        event->accept();  // no text selection while a button is held
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinEdit::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) step(delta > 0 ? 1 : -1);
    event->accept();
}

}  // namespace kelvara
