#pragma once
// A control put where a layout table says, under its Chinese control name: every window
// of the program places its controls through these.

#include <QString>
#include <QWidget>

#include <string_view>

#include "app/main_window_layout.h"

namespace kelvara {

inline QString text_of(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline void put(QWidget* widget, const layout::ControlPlace& place) {
    widget->setObjectName(text_of(place.name));
    widget->setGeometry(place.left, place.top, place.width, place.height);
}

}  // namespace kelvara
