#pragma once
// An edit box with a pair of small spin buttons inside its right edge. The buttons, the
// Up and Down keys and the mouse wheel only ask for a step; the owner decides what a
// step does to the text.

#include <QLineEdit>

#include <functional>

class QTimer;

namespace kelvara {

class SpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    // direction: +1 up, -1 down.
    void on_step(std::function<void(int)> handler) { step_ = std::move(handler); }
    void step(int direction);

    // Where the up and the down button are, in the box's coordinates.
    QRect up_button() const;
    QRect down_button() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect buttons() const;

    std::function<void(int)> step_;
    QTimer* repeat_ = nullptr;
    int held_ = 0;  // the direction of the button held down, 0 for none
};

}  // namespace kelvara
