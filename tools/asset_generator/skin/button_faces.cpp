#include "skin/button_faces.h"

#include "raster/shapes.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

struct FaceColours {
    Argb top;
    Argb bottom;
    Argb rim;
};

constexpr FaceColours kLacquerFaces[] = {
    {argb(160, 44, 34), argb(104, 22, 17), kGoldDark},
    {argb(190, 62, 46), argb(126, 32, 24), kGold},
    {argb(74, 16, 12), argb(108, 26, 20), kGoldDark},
};
constexpr FaceColours kEbonyFaces[] = {
    {argb(74, 67, 47), argb(36, 32, 22), kGoldDark},
    {argb(98, 88, 60), argb(52, 47, 32), kGold},
    {argb(24, 22, 15), argb(44, 40, 28), kGoldDark},
};
constexpr Argb kLacquerSigns[] = {kCream, argb(255, 242, 200), argb(214, 194, 150)};
constexpr Argb kEbonySigns[] = {kGold, kGoldLight, argb(176, 138, 60)};

int index_of(ButtonState state) { return static_cast<int>(state); }

}  // namespace

std::string_view state_name(ButtonState state) {
    constexpr std::string_view kNames[] = {"normal", "hover", "pressed"};
    return kNames[index_of(state)];
}

Surface draw_button_face(int width, int height, ButtonFinish finish, ButtonState state, int scale) {
    const FaceColours c = (finish == ButtonFinish::Lacquer ? kLacquerFaces : kEbonyFaces)[index_of(state)];
    Surface image(width, height, scale);
    const Box whole{0, 0, width, height};
    fill_gradient(image, whole, c.top, c.bottom);
    outline(image, whole, c.rim);
    const Box inner{1, 1, width - 2, height - 2};
    const Argb lit = mix(c.top, argb(255, 255, 255), 0.18);
    const Argb shade = mix(c.bottom, argb(0, 0, 0), 0.3);
    if (state == ButtonState::Pressed)
        bevel(image, inner, shade, mix(c.bottom, c.top, 0.5));
    else
        bevel(image, inner, lit, shade);
    for (int x : {0, width - 1})
        for (int y : {0, height - 1}) image.set(x, y, (c.rim & 0x00FFFFFFu) | 0x60000000u);
    return image;
}

Argb sign_colour(ButtonFinish finish, ButtonState state) {
    return (finish == ButtonFinish::Lacquer ? kLacquerSigns : kEbonySigns)[index_of(state)];
}

int sign_shift(ButtonState state) { return state == ButtonState::Pressed ? 1 : 0; }

}  // namespace kelvara::generator::skin
