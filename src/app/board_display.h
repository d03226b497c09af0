#pragma once
// The board display: shows the picture of the board view's last refresh, never the
// canvas while it is being drawn, and offers its menu on a right-button press.

#include <QImage>
#include <QWidget>

#include <functional>

#include "platform/image.h"
#include "view/board_view.h"

class QMenu;

namespace kelvara {

// The core's picture as a Qt image (opaque, since the canvas is composed on black),
// marked with the scale it was composed at as its device pixel ratio.
QImage to_qimage(const Image& picture, int scale = 1);

class BoardDisplay : public QWidget {
    Q_OBJECT
public:
    BoardDisplay(BoardView& view, QWidget* parent = nullptr);
    ~BoardDisplay() override;

    // The menu pops up at the cursor + (3, 3) when offered() says so.
    void set_menu(QMenu* menu, std::function<bool()> offered);
    QMenu* menu() const { return menu_; }

    // What the display shows: the picture of the view's last refresh.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void take_picture();

    BoardView& view_;
    QImage picture_;
    QMenu* menu_ = nullptr;
    std::function<bool()> menu_offered_;
};

}  // namespace kelvara
