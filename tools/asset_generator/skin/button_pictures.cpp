#include "skin/button_pictures.h"

#include <functional>

#include "raster/shapes.h"
#include "skin/button_faces.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

// A sign painted on a face: its colour, and how far it is pushed in (pressed state).
using Sign = std::function<void(Surface&, Argb, double)>;

void triangle(Surface& image, Argb colour, Point a, Point b, Point c) {
    const Point corners[] = {a, b, c};
    fill_polygon(image, corners, [colour](Point) { return colour; });
}

void bar(Surface& image, Argb colour, double left, double top, double right, double bottom) {
    const Point corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    fill_polygon(image, corners, [colour](Point) { return colour; });
}

// Arrows on the 16 × 15 navigation buttons: seven rows high around the middle row, the
// triangle six pixels long, a bar two pixels wide for the first and last moves.
constexpr double kArrowTop = 4.0;
constexpr double kArrowBottom = 11.0;
constexpr double kArrowMiddle = 7.5;

Sign left_arrow(bool with_bar) {
    return [with_bar](Surface& image, Argb colour, double s) {
        const double tip = with_bar ? 6.0 : 5.0;
        if (with_bar) bar(image, colour, 4.0 + s, kArrowTop + s, 6.0 + s, kArrowBottom + s);
        triangle(image, colour, {tip + s, kArrowMiddle + s}, {tip + 6.0 + s, kArrowTop + s},
                 {tip + 6.0 + s, kArrowBottom + s});
    };
}

Sign right_arrow(bool with_bar) {
    return [with_bar](Surface& image, Argb colour, double s) {
        const double base = with_bar ? 4.0 : 5.0;
        if (with_bar) bar(image, colour, 10.0 + s, kArrowTop + s, 12.0 + s, kArrowBottom + s);
        triangle(image, colour, {base + s, kArrowTop + s}, {base + 6.0 + s, kArrowMiddle + s},
                 {base + s, kArrowBottom + s});
    };
}

// The demonstration's play sign is larger than the arrows beside it.
void play_sign(Surface& image, Argb colour, double s) {
    triangle(image, colour, {5.0 + s, 3.0 + s}, {12.0 + s, 7.5 + s}, {5.0 + s, 12.0 + s});
}

void stop_sign(Surface& image, Argb colour, double s) { bar(image, colour, 5.0 + s, 5.0 + s, 11.0 + s, 11.0 + s); }

void minimise_sign(Surface& image, Argb colour, double s) { bar(image, colour, 4.0 + s, 9.0 + s, 12.0 + s, 11.0 + s); }

// Two strokes crossing at the middle of the 16 × 15 face, 1.6 pixels thick.
void close_sign(Surface& image, Argb colour, double s) {
    constexpr double cx = 8.0, cy = 7.5, arm = 3.6, half = 0.8;
    for (double dir : {1.0, -1.0}) {
        const Point a{cx - arm + s, cy - dir * arm + s};
        const Point b{cx + arm + s, cy + dir * arm + s};
        // The stroke's sides, offset perpendicular to it.
        const double nx = dir * half * 0.7071 * 1.0, ny = -half * 0.7071;
        const Point corners[] = {
            {a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
        fill_polygon(image, corners, [colour](Point) { return colour; });
    }
}

struct SignButton {
    std::string_view name;
    int width;
    int height;
    ButtonFinish finish;
    Sign sign;
};

struct LabelButton {
    std::string_view name;
    int width;
    int height;
    std::u32string_view label;
};

constexpr int kLabelSize = 12;

Image sign_button(const SignButton& b, ButtonState state, int scale) {
    // The close button warms to red lacquer under the pointer, the usual warning.
    const bool red = b.finish == ButtonFinish::Lacquer || (b.name.ends_with("close") && state != ButtonState::Normal);
    const ButtonFinish finish = red ? ButtonFinish::Lacquer : ButtonFinish::Ebony;
    Surface image = draw_button_face(b.width, b.height, finish, state, scale);
    b.sign(image, sign_colour(finish, state), sign_shift(state));
    return std::move(image.image);
}

Image label_button(const Font& font, const LabelButton& b, ButtonState state, int scale) {
    Surface image = draw_button_face(b.width, b.height, ButtonFinish::Lacquer, state, scale);
    const int s = sign_shift(state);
    paint_label(image, font, b.label, kLabelSize, Box{s, s, b.width, b.height},
                sign_colour(ButtonFinish::Lacquer, state), argb(60, 10, 8, 160));
    return std::move(image.image);
}

}  // namespace

std::string button_file_name(std::string_view name, std::string_view state) {
    return "button_" + std::string(name) + "_" + std::string(state) + ".png";
}

SkinPictures draw_button_pictures(const Font& font, int scale) {
    const SignButton sign_buttons[] = {
        {"first", 16, 15, ButtonFinish::Ebony, left_arrow(true)},
        {"previous", 16, 15, ButtonFinish::Ebony, left_arrow(false)},
        {"next", 16, 15, ButtonFinish::Ebony, right_arrow(false)},
        {"last", 16, 15, ButtonFinish::Ebony, right_arrow(true)},
        {"play", 16, 15, ButtonFinish::Lacquer, play_sign},
        {"stop", 16, 16, ButtonFinish::Lacquer, stop_sign},
        {"minimise", 16, 15, ButtonFinish::Ebony, minimise_sign},
        {"close", 16, 15, ButtonFinish::Ebony, close_sign},
        {"dialog_close", 16, 15, ButtonFinish::Ebony, close_sign},
    };
    const LabelButton label_buttons[] = {
        {"open", 56, 20, U"打开"},     {"flip", 56, 20, U"交换"}, {"make", 56, 20, U"制作"},
        {"settings", 56, 20, U"设置"}, {"ok", 32, 18, U"确定"},   {"cancel", 32, 18, U"取消"},
    };
    SkinPictures out;
    for (const SignButton& b : sign_buttons)
        for (ButtonState state : kButtonStates)
            out.push_back({button_file_name(b.name, state_name(state)), sign_button(b, state, scale)});
    for (const LabelButton& b : label_buttons)
        for (ButtonState state : kButtonStates)
            out.push_back({button_file_name(b.name, state_name(state)), label_button(font, b, state, scale)});
    return out;
}

}  // namespace kelvara::generator::skin
