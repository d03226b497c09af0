#include "app/skin.h"

#include <span>
#include <string>
#include <string_view>

#include "app/display_scale.h"
#include "kelvara_assets.h"
#include "platform/scaled_name.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

using Bytes = std::span<const unsigned char>;

// The three pictures of each button: button_<stem>_normal.png, _hover.png, _pressed.png.
std::string_view button_stem(SkinButton button) {
    switch (button) {
        case SkinButton::First: return "first";
        case SkinButton::Previous: return "previous";
        case SkinButton::Play: return "play";
        case SkinButton::Stop: return "stop";
        case SkinButton::Next: return "next";
        case SkinButton::Last: return "last";
        case SkinButton::Minimise: return "minimise";
        case SkinButton::Close: return "close";
        case SkinButton::Open: return "open";
        case SkinButton::Flip: return "flip";
        case SkinButton::Make: return "make";
        case SkinButton::Settings: return "settings";
        case SkinButton::DialogClose: return "dialog_close";
        case SkinButton::Ok: return "ok";
        case SkinButton::Cancel: return "cancel";
    }
    return {};
}

// The picture drawn for the densest screen, marked with its pixel ratio so that Qt
// shows it at its scale-1 size in logical pixels.
QPixmap skin_picture(std::string_view name) {
    const int scale = picture_scale();
    const Bytes png = kelvara::assets::find(scaled_file_name(name, scale));
    QPixmap picture;
    picture.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    picture.setDevicePixelRatio(scale);
    return picture;
}

QPixmap button_picture(SkinButton button, std::string_view state) {
    return skin_picture("button_" + std::string(button_stem(button)) + "_" + std::string(state) + ".png");
}

}  // namespace

ButtonPictures button_pictures(SkinButton button) {
    return {button_picture(button, "normal"), button_picture(button, "hover"), button_picture(button, "pressed")};
}

QFont program_font() {
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(kTextPixelSize);
    return font;
}

QPixmap main_background() { return skin_picture("main_background.png"); }

QIcon app_icon() {
    QIcon icon;
    for (int scale = 1; scale <= board::kMaxScale; ++scale) {
        const Bytes png = kelvara::assets::find(scaled_file_name("app_icon.png", scale));
        QPixmap picture;
        picture.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
        icon.addPixmap(picture);
    }
    return icon;
}

QPixmap main_background_with_analysis() { return skin_picture("main_background_analysis.png"); }

QPixmap settings_background() { return skin_picture("settings_background.png"); }

QPixmap maker_background() { return skin_picture("maker_background.png"); }

QPixmap busy_frame(int index) {
    const std::string name = "busy_0" + std::to_string(index % kBusyFrameCount) + ".png";
    return skin_picture(name);
}

QPixmap progress_empty() { return skin_picture("progress_empty.png"); }

QPixmap progress_fill() { return skin_picture("progress_fill.png"); }

QPixmap progress_end() { return skin_picture("progress_end.png"); }

}  // namespace kelvara
