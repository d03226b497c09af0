#pragma once
// The pictures of the main window, compiled into the program. Each is the one drawn for
// the densest screen (picture_scale), marked with its device pixel ratio.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace kelvara {

enum class SkinButton {
    First, Previous, Play, Stop, Next, Last, Minimise, Close, Open, Flip, Make, Settings,
    DialogClose, Ok, Cancel  // the settings dialog's
};

// A graphic button's pictures: as it rests, under the mouse, and held down.
struct ButtonPictures {
    QPixmap normal;
    QPixmap hover;
    QPixmap pressed;
};

ButtonPictures button_pictures(SkinButton button);

// The move list is light parchment over the dark panel, so that both the red and the
// grey rows read well; the title strip is dark red and takes light text.
inline const QColor kListBackground{246, 238, 219};
inline const QColor kListScrollGround{226, 213, 181};
// A selected row of the list without focus keeps its colour on this quieter ground.
inline const QColor kListUnfocusedSelection{222, 205, 165};
inline const QColor kTitleText{246, 232, 204};
inline constexpr int kTextPixelSize = 12;
// The program's text: the Song-style font the board's text is drawn with, at 12 pixels.
QFont program_font();
QPixmap main_background();
// The main window grown by the analysis strip: the same picture with a wood panel below.
QPixmap main_background_with_analysis();
// The evaluation bar: red's share in lacquer, black's in ink, a gold tick at the middle.
inline const QColor kScoreRed{190, 38, 30};
inline const QColor kScoreBlack{34, 30, 28};
inline const QColor kScoreTick{214, 178, 96};
QIcon app_icon();

// The settings dialog: light labels on dark wood; the edit boxes sit in wells drawn into
// the background, so they have no frame of their own, only this fill.
inline const QColor kDialogLabelText{236, 224, 190};
inline const QColor kEditFill{246, 238, 214};
inline const QColor kEditText{40, 30, 20};
inline const QColor kDialogTitleText{242, 228, 190};
QPixmap settings_background();

// The maker window: its ground, the five frames of the busy animation (250 ms each),
// and the progress bar's empty picture, fill and right end.
inline constexpr int kBusyFrameCount = 5;
inline constexpr int kBusyFrameMilliseconds = 250;
QPixmap maker_background();
QPixmap busy_frame(int index);
QPixmap progress_empty();
QPixmap progress_fill();
QPixmap progress_end();

}  // namespace kelvara
