// The window skin: every picture has the size of the control or window it is drawn on,
// a button's three states can be told apart, and the places where Qt draws light text
// or cycles pictures are dark and consistent enough for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "asset_pictures.h"
#include "kelvara_assets.h"

namespace kelvara {
namespace {

using namespace test;
namespace a = kelvara::assets;

struct SizedPicture {
    const char* name;
    std::span<const unsigned char> png;
    int width;
    int height;
};

struct ButtonPictures {
    const char* name;
    std::span<const unsigned char> normal, hover, pressed;
    int width;
    int height;
};

const std::vector<ButtonPictures>& buttons() {
    static const std::vector<ButtonPictures> all = {
        {"first", a::button_first_normal_png, a::button_first_hover_png, a::button_first_pressed_png, 16, 15},
        {"previous", a::button_previous_normal_png, a::button_previous_hover_png, a::button_previous_pressed_png, 16,
         15},
        {"play", a::button_play_normal_png, a::button_play_hover_png, a::button_play_pressed_png, 16, 15},
        {"stop", a::button_stop_normal_png, a::button_stop_hover_png, a::button_stop_pressed_png, 16, 16},
        {"next", a::button_next_normal_png, a::button_next_hover_png, a::button_next_pressed_png, 16, 15},
        {"last", a::button_last_normal_png, a::button_last_hover_png, a::button_last_pressed_png, 16, 15},
        {"minimise", a::button_minimise_normal_png, a::button_minimise_hover_png, a::button_minimise_pressed_png, 16,
         15},
        {"close", a::button_close_normal_png, a::button_close_hover_png, a::button_close_pressed_png, 16, 15},
        {"dialog_close", a::button_dialog_close_normal_png, a::button_dialog_close_hover_png,
         a::button_dialog_close_pressed_png, 16, 15},
        {"open", a::button_open_normal_png, a::button_open_hover_png, a::button_open_pressed_png, 56, 20},
        {"flip", a::button_flip_normal_png, a::button_flip_hover_png, a::button_flip_pressed_png, 56, 20},
        {"make", a::button_make_normal_png, a::button_make_hover_png, a::button_make_pressed_png, 56, 20},
        {"settings", a::button_settings_normal_png, a::button_settings_hover_png, a::button_settings_pressed_png, 56,
         20},
        {"ok", a::button_ok_normal_png, a::button_ok_hover_png, a::button_ok_pressed_png, 32, 18},
        {"cancel", a::button_cancel_normal_png, a::button_cancel_hover_png, a::button_cancel_pressed_png, 32, 18},
    };
    return all;
}

// Functions, not globals: the embedded spans are set up at start-up in another file.
const std::vector<SizedPicture>& window_pictures() {
    static const std::vector<SizedPicture> all = {
        {"main_background", a::main_background_png, 410, 365},
        {"main_background_analysis", a::main_background_analysis_png, 410, 430},
        {"settings_background", a::settings_background_png, 275, 256},
        {"maker_background", a::maker_background_png, 222, 61},
        {"progress_empty", a::progress_empty_png, 200, 14},
        {"progress_fill", a::progress_fill_png, 200, 14},
        {"progress_end", a::progress_end_png, 1, 14},
        {"app_icon", a::app_icon_png, 64, 64},
    };
    return all;
}

std::vector<std::span<const unsigned char>> busy_frames() {
    return {a::busy_00_png, a::busy_01_png, a::busy_02_png, a::busy_03_png, a::busy_04_png};
}

bool opaque(const Image& image) {
    return std::all_of(image.pixels.begin(), image.pixels.end(), [](Argb p) { return alpha_of(p) == 255; });
}

// Relative luminance as used for text contrast (sRGB, 0–1).
double luminance(Argb p) {
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red_of(p)) + 0.7152 * linear(green_of(p)) + 0.0722 * linear(blue_of(p));
}

double contrast(Argb a, Argb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of `text` against any pixel of the box.
double worst_contrast(const Image& image, int left, int top, int width, int height, Argb text) {
    double worst = 100;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) worst = std::min(worst, contrast(image.at(x, y), text));
    return worst;
}

// The colours the windows' text was designed for (Qt draws it).
constexpr Argb kTitleText = argb(242, 228, 190);
constexpr Argb kLabelText = argb(236, 224, 190);

TEST(SkinPictures, EachHasTheSizeOfItsPlace) {
    for (const auto& p : window_pictures()) {
        const Image image = embedded_picture(p.png);
        EXPECT_EQ(image.width, p.width) << p.name;
        EXPECT_EQ(image.height, p.height) << p.name;
    }
    for (const auto& b : buttons())
        for (const auto& png : {b.normal, b.hover, b.pressed}) {
            const Image image = embedded_picture(png);
            EXPECT_EQ(image.width, b.width) << b.name;
            EXPECT_EQ(image.height, b.height) << b.name;
        }
    for (const auto& png : busy_frames()) {
        const Image frame = embedded_picture(png);
        EXPECT_EQ(frame.width, 116);
        EXPECT_EQ(frame.height, 14);
    }
}

TEST(SkinPictures, WindowBackgroundsAndBarPiecesAreOpaque) {
    for (const auto& p : window_pictures()) {
        if (std::string(p.name) == "app_icon") continue;
        EXPECT_TRUE(opaque(embedded_picture(p.png))) << p.name;
    }
    for (const auto& png : busy_frames()) EXPECT_TRUE(opaque(embedded_picture(png)));
}

TEST(SkinPictures, EveryButtonShowsThreeDistinctStates) {
    for (const auto& b : buttons()) {
        const Image normal = embedded_picture(b.normal);
        const Image hover = embedded_picture(b.hover);
        const Image pressed = embedded_picture(b.pressed);
        EXPECT_NE(normal, hover) << b.name;
        EXPECT_NE(normal, pressed) << b.name;
        EXPECT_NE(hover, pressed) << b.name;
        // Only the four corner pixels may let the ground through.
        for (int y = 0; y < normal.height; ++y)
            for (int x = 0; x < normal.width; ++x) {
                const bool corner = (x == 0 || x == normal.width - 1) && (y == 0 || y == normal.height - 1);
                if (!corner) {
                    EXPECT_EQ(alpha_of(normal.at(x, y)), 255) << b.name << " " << x << "," << y;
                }
            }
    }
}

TEST(SkinPictures, LightTextReadsOnTheTitleStripsAndTheSettingsPanel) {
    const Image main = embedded_picture(assets::main_background_png);
    ASSERT_EQ(main.width, 410);
    // Where "Kelvara-1.62版" stands: the first 120 pixels of the title label's rows 2–13.
    EXPECT_GE(worst_contrast(main, 24, 5, 120, 12, kTitleText), 4.5);

    const Image settings = embedded_picture(assets::settings_background_png);
    ASSERT_EQ(settings.width, 275);
    EXPECT_GE(worst_contrast(settings, 4, 5, 40, 14, kTitleText), 4.5);
    // The label rows of the settings table, left of the edit boxes.
    for (const int top : {30, 52, 72, 102, 126, 157, 181, 205})
        EXPECT_GE(worst_contrast(settings, 16, top, 60, 16, kLabelText), 4.5);
}

TEST(SkinPictures, TheAnalysisStripGrowsTheSameWindow) {
    const Image main = embedded_picture(assets::main_background_png);
    const Image tall = embedded_picture(assets::main_background_analysis_png);
    ASSERT_EQ(tall.width, main.width);
    // Above the lower corner guards the two pictures are one.
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < main.width; ++x) ASSERT_EQ(tall.at(x, y), main.at(x, y)) << x << "," << y;
    // The strip's score, depth and line read in light text on its wood (strip at 11,361).
    EXPECT_GE(worst_contrast(tall, 17, 366, 60, 16, kTitleText), 4.5);
    EXPECT_GE(worst_contrast(tall, 295, 366, 60, 16, kTitleText), 4.5);
    EXPECT_GE(worst_contrast(tall, 17, 387, 370, 28, kTitleText), 4.5);
}

TEST(SkinPictures, BoardAndListPlacesAreFramedInDarkWood) {
    const Image main = embedded_picture(assets::main_background_png);
    ASSERT_EQ(main.width, 410);
    // A dark border hugs the board (13,21 260×330) and the move list (280,31 120×255).
    auto dark = [&](int x, int y) { return luminance(main.at(x, y)) < 0.05; };
    for (int y = 21; y < 351; y += 7) {
        EXPECT_TRUE(dark(12, y)) << y;
        EXPECT_TRUE(dark(273, y)) << y;
    }
    for (int x = 13; x < 273; x += 7) {
        EXPECT_TRUE(dark(x, 20)) << x;
        EXPECT_TRUE(dark(x, 351)) << x;
    }
    for (int y = 31; y < 286; y += 5) {
        EXPECT_TRUE(dark(279, y)) << y;
        EXPECT_TRUE(dark(400, y)) << y;
    }
}

TEST(BusyAnimation, EachFrameAddsADotToTheWordsOnTheMakerBackground) {
    const Image background = embedded_picture(assets::maker_background_png);
    ASSERT_EQ(background.width, 222);
    // Pixels of a frame that differ from the window background beneath it (at 49,13).
    auto ink = [&](const Image& frame) {
        int count = 0;
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) count += frame.at(x, y) != background.at(49 + x, 13 + y);
        return count;
    };
    int previous = 0;
    const auto frames = busy_frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const Image frame = embedded_picture(frames[i]);
        ASSERT_EQ(frame.width, 116);
        const int count = ink(frame);
        EXPECT_GT(count, 100) << "frame " << i << " shows no words";
        if (i > 0) {
            EXPECT_EQ(count, previous + 4) << "frame " << i << " should add one 2×2 dot";
        }
        previous = count;
    }
}

TEST(ProgressBar, FillEmptyAndEndShareOneOutline) {
    const Image empty = embedded_picture(assets::progress_empty_png);
    const Image fill = embedded_picture(assets::progress_fill_png);
    const Image end = embedded_picture(assets::progress_end_png);
    ASSERT_EQ(empty.width, 200);
    ASSERT_EQ(fill.width, 200);
    ASSERT_EQ(end.height, 14);
    // The fill is shown one pixel right of the empty bar's left end, over its rows.
    for (int x = 0; x < 199; ++x) {
        EXPECT_EQ(fill.at(x, 0), empty.at(x + 1, 0)) << x;
        EXPECT_EQ(fill.at(x, 13), empty.at(x + 1, 13)) << x;
        EXPECT_NE(fill.at(x, 7), empty.at(x + 1, 7)) << "the fill does not show at " << x;
    }
    EXPECT_EQ(end.at(0, 0), empty.at(0, 0));
    EXPECT_EQ(end.at(0, 7), empty.at(0, 7));
}

TEST(AppIcon, IsARoundPieceOnATransparentGround) {
    const Image icon = embedded_picture(assets::app_icon_png);
    ASSERT_EQ(icon.width, 64);
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) EXPECT_EQ(alpha_of(icon.at(x, y)), 0);
    for (auto [x, y] : {std::pair{32, 32}, {10, 32}, {52, 32}, {32, 10}, {32, 52}})
        EXPECT_EQ(alpha_of(icon.at(x, y)), 255) << x << "," << y;
}

}  // namespace
}  // namespace kelvara
