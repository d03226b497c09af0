#pragma once
// Where the main window's controls sit, in pixels of its 410×365 client area. The names
// are the controls' object names.

#include <string_view>

namespace kelvara::layout {

struct ControlPlace {
    std::u16string_view name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kWindowWidth = 410;
inline constexpr int kWindowHeight = 365;

inline constexpr ControlPlace kTitleLabel{u"透明标签_标题", 24, 3, 348, 16};
inline constexpr ControlPlace kMinimiseButton{u"图形按钮_MIN", 365, 10, 16, 15};
inline constexpr ControlPlace kCloseButton{u"图形按钮_关闭", 385, 10, 16, 15};
// The core composes the board off screen; the display shows its last picture at the
// same place, so the canvas's name only marks where it lies.
inline constexpr ControlPlace kBoardCanvas{u"动画框1", 13, 21, 260, 330};
inline constexpr ControlPlace kBoardDisplay{u"动画框2", 13, 21, 260, 330};
inline constexpr ControlPlace kMoveList{u"超级列表框_回合", 280, 31, 120, 255};
inline constexpr ControlPlace kFirstButton{u"图形按钮_首步", 284, 290, 16, 15};
inline constexpr ControlPlace kPreviousButton{u"图形按钮_上步", 308, 290, 16, 15};
inline constexpr ControlPlace kPlayButton{u"图形按钮_自动", 332, 290, 16, 15};
inline constexpr ControlPlace kNextButton{u"图形按钮_下步", 356, 290, 16, 15};
inline constexpr ControlPlace kLastButton{u"图形按钮_尾步", 380, 290, 16, 15};
inline constexpr ControlPlace kOpenButton{u"图形按钮_打开", 280, 310, 56, 20};
inline constexpr ControlPlace kFlipButton{u"图形按钮_交换", 344, 310, 56, 20};
inline constexpr ControlPlace kMakeButton{u"图形按钮_制作", 280, 333, 56, 20};
inline constexpr ControlPlace kSettingsButton{u"图形按钮_设置", 344, 332, 56, 20};

// The analysis strip under the board and the move list; the window grows by it when it
// is open. Its controls are placed within the strip.
inline constexpr int kWindowHeightWithAnalysis = 430;
inline constexpr ControlPlace kAnalysisStrip{u"面板_分析", 11, 361, 392, 60};
inline constexpr ControlPlace kScoreLabel{u"标签_局面评分", 6, 4, 68, 18};
inline constexpr ControlPlace kScoreBar{u"画板_评分条", 77, 8, 200, 12};
inline constexpr ControlPlace kDepthLabel{u"标签_搜索深度", 284, 4, 68, 18};
inline constexpr ControlPlace kCloseAnalysisButton{u"图形按钮_关闭分析", 370, 6, 16, 15};
inline constexpr ControlPlace kLineLabel{u"标签_最佳着法", 6, 25, 380, 32};
inline constexpr ControlPlace kProgressBar{u"画板_分析进度", 77, 7, 200, 14};
inline constexpr ControlPlace kCancelAnalysisButton{u"图形按钮_取消分析", 326, 5, 32, 18};

inline constexpr std::u16string_view kDemoTimer = u"时钟1";
inline constexpr std::u16string_view kBoardMenu = u"超级菜单1";
inline constexpr std::u16string_view kCopyTextAction = u"复制文本棋谱";
inline constexpr std::u16string_view kSavePictureAction = u"截取当前棋图";
inline constexpr std::u16string_view kCopyPictureAction = u"复制棋图";
inline constexpr std::u16string_view kPasteRecordAction = u"粘贴棋谱";
inline constexpr std::u16string_view kSavePgnAction = u"另存为PGN棋谱";
inline constexpr std::u16string_view kAnalysisAction = u"分析";
inline constexpr std::u16string_view kGameAnalysisAction = u"分析全局";

}  // namespace kelvara::layout
