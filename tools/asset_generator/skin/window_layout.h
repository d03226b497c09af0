#pragma once
// Where the controls stand on the three skinned windows. The backgrounds are drawn
// around these places, and the preview puts the button pictures on them.

#include <string_view>

namespace kelvara::generator {

// A rectangle of whole pixels: left, top, width, height.
struct Box {
    int left;
    int top;
    int width;
    int height;
    constexpr int right() const { return left + width - 1; }
    constexpr int bottom() const { return top + height - 1; }
};

// A graphic button: the stem of its picture files and where it stands.
struct ButtonPlace {
    std::string_view name;
    Box box;
};

namespace main_window {

inline constexpr int kWidth = 410;
inline constexpr int kHeight = 365;
inline constexpr Box kTitleLabel{24, 3, 348, 16};
inline constexpr Box kBoard{13, 21, 260, 330};
inline constexpr Box kMoveList{280, 31, 120, 255};
// The area under the move list that holds the two button rows.
inline constexpr Box kButtonTray{278, 288, 125, 68};

// The analysis strip under both panels, when the window grows to hold it; the score bar
// sits in a well of its own.
inline constexpr int kHeightWithAnalysis = 430;
inline constexpr Box kAnalysisStrip{11, 361, 392, 60};
inline constexpr Box kScoreBar{kAnalysisStrip.left + 77, kAnalysisStrip.top + 8, 200, 12};

inline constexpr ButtonPlace kButtons[] = {
    {"minimise", {365, 10, 16, 15}},  {"close", {385, 10, 16, 15}},     {"first", {284, 290, 16, 15}},
    {"previous", {308, 290, 16, 15}}, {"play", {332, 290, 16, 15}},     {"next", {356, 290, 16, 15}},
    {"last", {380, 290, 16, 15}},     {"open", {280, 310, 56, 20}},     {"flip", {344, 310, 56, 20}},
    {"make", {280, 333, 56, 20}},     {"settings", {344, 332, 56, 20}},
};

}  // namespace main_window

namespace settings_dialog {

inline constexpr int kWidth = 275;
inline constexpr int kHeight = 256;
inline constexpr Box kTitleLabel{0, 0, 248, 23};
inline constexpr int kSeparatorTop = 95;
inline constexpr Box kSeparator{7, kSeparatorTop, 260, 1};
// A second line sets the analysis engine's settings apart.
inline constexpr int kEngineSeparatorTop = 150;

// The edit boxes, which sit in wells drawn into the ground.
inline constexpr Box kAuthorEdit{198, 50, 64, 18};
inline constexpr Box kTitleEdit{78, 72, 184, 18};
inline constexpr Box kDemoDelayEdit{168, 101, 30, 18};
inline constexpr Box kFrameDelayEdit{168, 125, 30, 18};
inline constexpr Box kEngineEdit{78, 156, 160, 18};
inline constexpr Box kEngineChoose{242, 156, 20, 18};
inline constexpr Box kAnalysisTimeEdit{168, 180, 30, 18};
inline constexpr Box kEngineThreadsEdit{168, 204, 50, 18};
inline constexpr Box kEditBoxes[] = {kAuthorEdit,   kTitleEdit,         kDemoDelayEdit,    kFrameDelayEdit,
                                     kEngineEdit,   kEngineChoose,      kAnalysisTimeEdit, kEngineThreadsEdit};
// The display size's drop-down list sits in a well of its own, left of the buttons.
inline constexpr Box kDisplaySizeBox{78, 230, 56, 18};

inline constexpr ButtonPlace kButtons[] = {
    {"dialog_close", {254, 3, 16, 15}},
    {"ok", {183, 230, 32, 18}},
    {"cancel", {226, 230, 32, 18}},
};

}  // namespace settings_dialog

namespace maker_window {

inline constexpr int kWidth = 222;
inline constexpr int kHeight = 61;
inline constexpr Box kBusy{49, 13, 116, 14};
inline constexpr Box kBar{9, 32, 200, 14};
// The fill is shown inside the bar one pixel from its left end; the end piece closes it.
inline constexpr int kFillOffset = 1;
inline constexpr Box kBarEnd{209, 32, 1, 14};

}  // namespace maker_window

}  // namespace kelvara::generator
