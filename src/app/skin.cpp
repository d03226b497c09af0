#include "app/skin.h"

#include <span>

#include "kelvara_assets.h"

namespace kelvara {

namespace {

using Bytes = std::span<const unsigned char>;

struct ButtonAssets {
    Bytes normal;
    Bytes hover;
    Bytes pressed;
};

ButtonAssets button_assets(SkinButton button) {
    using namespace kelvara::assets;
    switch (button) {
        case SkinButton::First: return {button_first_normal_png, button_first_hover_png, button_first_pressed_png};
        case SkinButton::Previous:
            return {button_previous_normal_png, button_previous_hover_png, button_previous_pressed_png};
        case SkinButton::Play: return {button_play_normal_png, button_play_hover_png, button_play_pressed_png};
        case SkinButton::Stop: return {button_stop_normal_png, button_stop_hover_png, button_stop_pressed_png};
        case SkinButton::Next: return {button_next_normal_png, button_next_hover_png, button_next_pressed_png};
        case SkinButton::Last: return {button_last_normal_png, button_last_hover_png, button_last_pressed_png};
        case SkinButton::Minimise:
            return {button_minimise_normal_png, button_minimise_hover_png, button_minimise_pressed_png};
        case SkinButton::Close: return {button_close_normal_png, button_close_hover_png, button_close_pressed_png};
        case SkinButton::Open: return {button_open_normal_png, button_open_hover_png, button_open_pressed_png};
        case SkinButton::Flip: return {button_flip_normal_png, button_flip_hover_png, button_flip_pressed_png};
        case SkinButton::Make: return {button_make_normal_png, button_make_hover_png, button_make_pressed_png};
        case SkinButton::Settings:
            return {button_settings_normal_png, button_settings_hover_png, button_settings_pressed_png};
        case SkinButton::DialogClose:
            return {button_dialog_close_normal_png, button_dialog_close_hover_png, button_dialog_close_pressed_png};
        case SkinButton::Ok: return {button_ok_normal_png, button_ok_hover_png, button_ok_pressed_png};
        case SkinButton::Cancel: return {button_cancel_normal_png, button_cancel_hover_png, button_cancel_pressed_png};
    }
    return {};
}

QPixmap png_picture(Bytes png) {
    QPixmap picture;
    picture.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    return picture;
}

}  // namespace

ButtonPictures button_pictures(SkinButton button) {
    const ButtonAssets a = button_assets(button);
    return {png_picture(a.normal), png_picture(a.hover), png_picture(a.pressed)};
}

QFont program_font() {
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(kTextPixelSize);
    return font;
}

QPixmap main_background() { return png_picture(kelvara::assets::main_background_png); }

QIcon app_icon() { return QIcon(png_picture(kelvara::assets::app_icon_png)); }

QPixmap settings_background() { return png_picture(kelvara::assets::settings_background_png); }

QPixmap maker_background() { return png_picture(kelvara::assets::maker_background_png); }

QPixmap busy_frame(int index) {
    using namespace kelvara::assets;
    constexpr const std::span<const unsigned char>* kFrames[kBusyFrameCount] = {&busy_00_png, &busy_01_png, &busy_02_png,
                                                                                &busy_03_png, &busy_04_png};
    return png_picture(*kFrames[index % kBusyFrameCount]);
}

QPixmap progress_empty() { return png_picture(kelvara::assets::progress_empty_png); }

QPixmap progress_fill() { return png_picture(kelvara::assets::progress_fill_png); }

QPixmap progress_end() { return png_picture(kelvara::assets::progress_end_png); }

}  // namespace kelvara
