#pragma once
// The label over the title strip of a frameless window: pressing the left button on it
// lets the system move the window with the mouse, as a caption bar would.

#include <QLabel>

namespace kelvara {

class TitleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TitleLabel(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kelvara
