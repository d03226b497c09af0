#pragma once
// Controls placed by their ControlPlace and coloured for the program's dark, skinned
// windows.

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "app/control_place.h"
#include "app/graphic_button.h"
#include "app/main_window_layout.h"
#include "app/skin.h"

namespace kelvara {

inline QFont text_font() {
    QFont font;
    font.setPixelSize(kTextPixelSize);
    return font;
}

// An edit box (or spin box) in one of the wells drawn into a window's background.
template <typename Box>
Box* edit_box(QWidget* parent, const layout::ControlPlace& place) {
    auto* box = new Box(parent);
    put(box, place);
    box->setFrame(false);  // the background's wells frame it
    box->setFont(text_font());
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, kEditFill);
    colours.setColor(QPalette::Text, kEditText);
    box->setPalette(colours);
    return box;
}

// Light text on the dark wood of a dialog.
inline QLabel* dialog_label(QWidget* parent, const layout::ControlPlace& place, const QString& text) {
    auto* label = new QLabel(text, parent);
    put(label, place);
    label->setFont(text_font());
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kDialogLabelText);
    label->setPalette(colours);
    return label;
}

inline GraphicButton* skin_button(QWidget* parent, SkinButton pictures, const layout::ControlPlace& place) {
    auto* button = new GraphicButton(button_pictures(pictures), parent);
    put(button, place);
    return button;
}

}  // namespace kelvara
