#pragma once
// A button drawn with pictures only: one as it rests, one under the mouse, one while it
// is held down. It takes no keyboard focus, so the move list keeps the keys.

#include <QAbstractButton>

#include "app/skin.h"

namespace kelvara {

class GraphicButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit GraphicButton(const ButtonPictures& pictures, QWidget* parent = nullptr);

    void set_pictures(const ButtonPictures& pictures);
    // The picture the button shows in its present state.
    const QPixmap& current_picture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ButtonPictures pictures_;
    bool hovered_ = false;
};

}  // namespace kelvara
