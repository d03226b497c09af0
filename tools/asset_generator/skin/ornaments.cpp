#include "skin/ornaments.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "raster/blend.h"
#include "raster/shapes.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

// One tile of the lattice: a 回 of two squares and a centre dot, with a blank seam
// between tiles so that the squares stand apart.
constexpr int kTile = 14;

bool fret_ink(int x, int y) {
    // Chebyshev distance from the tile's centre, counted in half pixels (odd values).
    const int cx = std::abs(2 * (x % kTile) - (kTile - 1));
    const int cy = std::abs(2 * (y % kTile) - (kTile - 1));
    const int ring = std::max(cx, cy);
    return ring == 11 || ring == 5 || ring == 1;
}

// Brass corner guards, as on a wooden chest: an L of two arms along the window's
// edges, each ending in a point, with a nail in the corner and near each end.
constexpr int kGuardArm = 15;
constexpr int kGuardWidth = 6;

// Inside the guard, in the coordinates of the top-left corner.
bool in_guard(int x, int y) {
    auto in_arm = [](int along, int across) {
        if (across < 0 || across >= kGuardWidth || along < 0 || along >= kGuardArm) return false;
        // The arm's last pixels narrow to a point on its middle.
        const int to_end = kGuardArm - 1 - along;
        const double off_middle = std::abs(across - (kGuardWidth - 1) / 2.0);
        return to_end >= 3 || off_middle <= to_end;
    };
    return in_arm(x, y) || in_arm(y, x);
}

void paint_nail(Surface& image, int x, int y) {
    paint(image, x, y, kGoldLight);
    paint(image, x + 1, y, kGoldDark);
    paint(image, x, y + 1, kGoldDark);
    paint(image, x + 1, y + 1, kWoodDeep);
}

// One guard; `mirror_x` and `mirror_y` turn the top-left guard into the other three.
void draw_corner_guard(Surface& image, bool mirror_x, bool mirror_y) {
    auto px = [&](int x) { return mirror_x ? image.width() - 1 - x : x; };
    auto py = [&](int y) { return mirror_y ? image.height() - 1 - y : y; };
    for (int y = 0; y < kGuardArm; ++y)
        for (int x = 0; x < kGuardArm; ++x) {
            if (!in_guard(x, y)) continue;
            const bool edge = x == 0 || y == 0;
            const bool rim = !in_guard(x + 1, y) || !in_guard(x, y + 1) || !in_guard(x + 1, y + 1);
            // Lit from the top left whichever corner it guards.
            const double light = 1.0 - (x + y) / (2.0 * kGuardArm);
            const Argb brass = mix(kGoldDark, kGoldLight, 0.15 + 0.6 * light);
            image.set(px(x), py(y), edge ? kWoodDeep : rim ? kGoldDark : brass);
        }
    const int nails[][2] = {{2, 2}, {kGuardArm - 6, 2}, {2, kGuardArm - 6}};
    for (const auto& n : nails) {
        // A nail's light side stays at its top left on every corner.
        const int x = mirror_x ? image.width() - 2 - n[0] : n[0];
        const int y = mirror_y ? image.height() - 2 - n[1] : n[1];
        paint_nail(image, x, y);
    }
}

}  // namespace

void fill_fret_ground(Surface& image, Box box) {
    for (int y = box.top; y <= box.bottom(); ++y)
        for (int x = box.left; x <= box.right(); ++x) {
            Argb colour = kOlive;
            if (fret_ink(x, y))
                colour = kOliveLight;
            else if (x > 0 && y > 0 && fret_ink(x - 1, y - 1))
                colour = kOliveDark;  // the fret's shadow, as if pressed into the ground
            image.set(x, y, colour);
        }
}

void draw_window_frame(Surface& image, bool top_guards) {
    const Box whole{0, 0, image.width(), image.height()};
    outline(image, whole, kWoodDeep);
    bevel(image, Box{1, 1, image.width() - 2, image.height() - 2}, kGold, kGoldDark);
    outline(image, Box{2, 2, image.width() - 4, image.height() - 4}, kWoodDeep);
    for (bool right : {false, true})
        for (bool bottom : {false, true})
            if (bottom || top_guards) draw_corner_guard(image, right, bottom);
}

void draw_wood_panel(Surface& image, Box outer, Box inner) {
    fill_rect(image, outer.left, outer.top, outer.right(), outer.bottom(), kWood);
    outline(image, outer, kGoldDark);
    bevel(image, Box{outer.left + 1, outer.top + 1, outer.width - 2, outer.height - 2}, kWoodEdge, kWoodDeep);
    // The inner box sits a step lower than the wood around it.
    if (inner.width > 0)
        bevel(image, Box{inner.left - 1, inner.top - 1, inner.width + 2, inner.height + 2}, kWoodDeep, kWoodEdge);
}

void draw_title_strip(Surface& image, Box box) {
    const int cap = box.height / 2;  // the point's depth
    const double l = box.left, t = box.top, r = box.right() + 1, b = box.bottom() + 1;
    const double mid = (t + b) / 2, c = cap;
    const Point rim[] = {{l, t}, {r - c, t}, {r, mid}, {r - c, b}, {l, b}};
    fill_polygon(image, rim, [](Point) { return kGoldDark; });
    const Point face[] = {{l + 1, t + 1}, {r - c, t + 1}, {r - 1.5, mid}, {r - c, b - 1}, {l + 1, b - 1}};
    fill_polygon(image, face, [t, b](Point p) {
        return mix(kLacquerLight, kLacquerDark, std::clamp((p.y - t) / (b - t), 0.0, 1.0));
    });
    // Light catches the lacquer's upper edge.
    fill_rect(image, box.left + 1, box.top + 1, box.right() - cap, box.top + 1, mix(kLacquerLight, kGoldLight, 0.25));
}

void draw_well(Surface& image, Box box) {
    bevel(image, Box{box.left - 1, box.top - 1, box.width + 2, box.height + 2}, kWoodDeep, kGoldDark);
}

}  // namespace kelvara::generator::skin
