#include "skin/window_backgrounds.h"

#include "raster/shapes.h"
#include "skin/ornaments.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"
#include "skin/window_layout.h"

namespace kelvara::generator::skin {

namespace main_window_parts {

using namespace main_window;

// The title strip ends short of the minimise and close buttons, which stand on the ground.
constexpr Box kTitleStrip{14, 3, 346, 15};
// A thin wood edge around the board; both columns end on the same row.
constexpr int kPanelBottom = 355;
constexpr Box kBoardPanel{kBoard.left - 2, kBoard.top - 2, kBoard.width + 4, kPanelBottom - (kBoard.top - 2) + 1};
constexpr Box kListPanel{kMoveList.left - 3, kMoveList.top - 3, kMoveList.width + 6,
                         kPanelBottom - (kMoveList.top - 3) + 1};
// The engraved line between the move list and the buttons under it.
constexpr int kTraySeparator = kButtonTray.top;

}  // namespace main_window_parts

Image draw_main_background(int scale, bool with_analysis) {
    using namespace main_window_parts;
    const int height = with_analysis ? kHeightWithAnalysis : kHeight;
    Surface image(kWidth, height, scale);
    fill_fret_ground(image, Box{0, 0, kWidth, height});
    draw_title_strip(image, kTitleStrip);
    draw_wood_panel(image, kBoardPanel, kBoard);
    draw_wood_panel(image, kListPanel, kMoveList);
    if (with_analysis) {
        draw_wood_panel(image, kAnalysisStrip);
        draw_well(image, kScoreBar);
    }
    draw_window_frame(image, true);
    fill_rect(image, kListPanel.left + 2, kTraySeparator - 1, kListPanel.right() - 2, kTraySeparator - 1, kWoodDeep);
    fill_rect(image, kListPanel.left + 2, kTraySeparator, kListPanel.right() - 2, kTraySeparator, kGoldDark);
    return std::move(image.image);
}

Image draw_settings_background(int scale) {
    using namespace settings_dialog;
    Surface image(kWidth, kHeight, scale);
    fill_fret_ground(image, Box{0, 0, kWidth, kHeight});
    draw_title_strip(image, Box{3, 3, 247, 18});
    // The panel's inner edge meets the ends of the separator line.
    const Box panel{kSeparator.left - 1, 24, kSeparator.width + 2, kHeight - 4 - 24};
    draw_wood_panel(image, panel);
    for (const Box& edit : kEditBoxes) draw_well(image, edit);
    draw_well(image, kDisplaySizeBox);
    for (const int top : {kSeparatorTop, kEngineSeparatorTop}) {
        fill_rect(image, kSeparator.left, top, kSeparator.right(), top, kWoodDeep);
        fill_rect(image, kSeparator.left, top + 1, kSeparator.right(), top + 1, kGoldDark);
    }
    // The brass guards go over the panel's lower corners.
    draw_window_frame(image, false);
    return std::move(image.image);
}

}  // namespace kelvara::generator::skin
