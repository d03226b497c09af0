#include "skin/window_mockups.h"

#include <string>

#include "asset_folder.h"
#include "raster/blend.h"
#include "raster/shapes.h"
#include "raster/text_paint.h"
#include "skin/button_pictures.h"
#include "skin/maker_pictures.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"
#include "skin/window_layout.h"

namespace kelvara::generator::skin {

namespace {

// Qt's share of the windows, as the pictures were designed for it.
constexpr Argb kRedRow = argb(255, 0, 0);
constexpr Argb kGreyRow = argb(128, 128, 128);
constexpr Argb kSelectedRow = kLacquer;
constexpr Argb kEditFill = argb(246, 238, 214);
constexpr Argb kEditText = argb(40, 30, 20);
constexpr int kTextSize = 12;

void text(Image& image, const Font& font, std::u32string_view s, int left, int top, Argb colour) {
    paint_mask(image, font.render(s, kTextSize, Weight::Normal), left, top, colour);
}

void place_buttons(Image& image, const SkinPictures& skin, std::span<const ButtonPlace> places) {
    for (const ButtonPlace& b : places)
        composite(image, find_picture(skin, button_file_name(b.name, "normal")), b.box.left, b.box.top);
}

Image main_mockup(const SkinPictures& skin, const Image& board, const Font& font) {
    using namespace main_window;
    Surface image(find_picture(skin, "main_background.png"));
    composite(image.image, board, kBoard.left, kBoard.top);
    text(image.image, font, U"Kelvara-1.62版", kTitleLabel.left, kTitleLabel.top + 1, kCream);
    fill_rect(image, kMoveList.left, kMoveList.top, kMoveList.right(), kMoveList.bottom(), kListBackground);
    const std::u32string_view rows[] = {U" 1. 炮二平五", U"    马8进7", U" 2. 马二进三", U"    车9平8",
                                        U" 3. 车一平二", U"    马2进3", U" 4. 兵七进一", U"    卒7进1",
                                        U" 5. 马八进七", U"    炮8进4"};
    int y = kMoveList.top + 2;
    for (std::size_t i = 0; i < std::size(rows); ++i, y += 16) {
        if (i == 4) fill_rect(image, kMoveList.left, y - 2, kMoveList.right(), y + 13, kSelectedRow);
        text(image.image, font, rows[i], kMoveList.left + 2, y, i == 4 ? kCream : i % 2 == 0 ? kRedRow : kGreyRow);
    }
    place_buttons(image.image, skin, kButtons);
    return std::move(image.image);
}

Image settings_mockup(const SkinPictures& skin, const Font& font) {
    using namespace settings_dialog;
    Surface image(find_picture(skin, "settings_background.png"));
    text(image.image, font, U" 设置", 4, 5, kCream);
    struct Label {
        std::u32string_view text;
        int left, top;
    };
    const Label labels[] = {{U"自动演示时使用音效", 33, 34},
                            {U"使用背景音乐", 183, 34},
                            {U"选中着法处开始制作", 33, 55},
                            {U"制作：", 163, 55},
                            {U"动画标题：", 16, 75},
                            {U"自动演示时每着棋间隔：", 16, 106},
                            {U"秒", 226, 106},
                            {U"制作动画时每帧图间隔：", 18, 130},
                            {U"秒", 226, 130},
                            {U"分析引擎：", 16, 160},
                            {U"分析时每步思考：", 16, 184},
                            {U"秒", 226, 184},
                            {U"分析时使用线程：", 16, 208},
                            {U"个", 226, 208},
                            {U"显示大小：", 16, 234}};
    for (const Label& l : labels) text(image.image, font, l.text, l.left, l.top, kLabelText);
    // Check boxes as a plain style draws them: a cream square, two of them ticked.
    const int boxes[][2] = {{16, 28}, {166, 28}, {16, 50}};
    for (int i = 0; i < 3; ++i) {
        const int x = boxes[i][0] + 1, y = boxes[i][1] + 5;
        fill_rect(image, x, y, x + 12, y + 12, kEditFill);
        outline(image, Box{x, y, 13, 13}, kGoldDark);
        if (i != 2) fill_rect(image, x + 3, y + 3, x + 9, y + 9, kLacquer);
    }
    const std::u32string_view contents[] = {U"Kelvara", U"全国象棋个人赛", U"1.0", U"1.0",
                                            U"fairy-stockfish", U"…", U"1.0", U"1"};
    static_assert(std::size(contents) == std::size(kEditBoxes));
    for (std::size_t i = 0; i < std::size(kEditBoxes); ++i) {
        const Box& e = kEditBoxes[i];
        fill_rect(image, e.left, e.top, e.right(), e.bottom(), kEditFill);
        text(image.image, font, contents[i], e.left + 2, e.top + 3, kEditText);
    }
    fill_rect(image, kDisplaySizeBox.left, kDisplaySizeBox.top, kDisplaySizeBox.right(), kDisplaySizeBox.bottom(),
              kEditFill);
    text(image.image, font, U"100 %", kDisplaySizeBox.left + 2, kDisplaySizeBox.top + 3, kEditText);
    place_buttons(image.image, skin, kButtons);
    return std::move(image.image);
}

// The maker window with its region's rounded corners and its opacity, over the middle
// of the main window.
Image maker_mockup(const SkinPictures& skin, const Image& main) {
    using namespace maker_window;
    Image window = find_picture(skin, "maker_background.png");
    composite(window, find_picture(skin, "busy_03.png"), kBusy.left, kBusy.top);
    const Image& fill = find_picture(skin, "progress_fill.png");
    for (int y = 0; y < kBar.height; ++y)
        for (int x = 0; x < 120; ++x) window.at(kBar.left + kFillOffset + x, kBar.top + y) = fill.at(x, y);
    composite(window, find_picture(skin, "progress_end.png"), kBarEnd.left, kBarEnd.top);
    Image image = main;
    const int left = main.width / 2 - kWidth / 2;
    const int top = main.height / 2 - kHeight / 2;
    const Point corners[] = {{0, 0}, {kWidth - 3.0, 0}, {0, kHeight - 3.0}, {kWidth - 3.0, kHeight - 3.0}};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            bool outside = false;
            for (const Point& c : corners) {
                // A 5 × 5 ellipse at each corner, as the window's region cuts it.
                const double dx = x + 0.5 - (c.x + 2.5), dy = y + 0.5 - (c.y + 2.5);
                const bool in_corner = (c.x == 0 ? x < 2 : x > kWidth - 3) && (c.y == 0 ? y < 2 : y > kHeight - 3);
                if (in_corner && dx * dx + dy * dy > 6.25) outside = true;
            }
            if (!outside) paint(image, left + x, top + y, (window.at(x, y) & 0x00FFFFFFu) | (210u << 24));
        }
    return image;
}

Image button_sheet(const SkinPictures& skin) {
    constexpr std::string_view kNames[] = {"first", "previous", "play",     "stop",         "next",
                                           "last",  "minimise", "close",    "dialog_close", "open",
                                           "flip",  "make",     "settings", "ok",           "cancel"};
    Surface sheet(3 * 64 + 8, static_cast<int>(std::size(kNames)) * 26 + 8);
    fill_rect(sheet, 0, 0, sheet.width() - 1, sheet.height() - 1, kWood);
    int y = 6;
    for (std::string_view name : kNames) {
        int x = 6;
        for (std::string_view state : {"normal", "hover", "pressed"}) {
            composite(sheet.image, find_picture(skin, button_file_name(name, state)), x, y);
            x += 64;
        }
        y += 26;
    }
    return std::move(sheet.image);
}

}  // namespace

void write_window_mockups(const SkinPictures& skin, const Image& board, const Font& font, const AssetFolder& folder) {
    const Image main = main_mockup(skin, board, font);
    folder.write_png("mockup_main.png", main);
    folder.write_png("mockup_settings.png", settings_mockup(skin, font));
    folder.write_png("mockup_maker.png", maker_mockup(skin, main));
    folder.write_png("mockup_buttons.png", button_sheet(skin));
}

}  // namespace kelvara::generator::skin
