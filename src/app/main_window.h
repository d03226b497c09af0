#pragma once
// The frameless, skinned main window: the board display, the move list, the navigation
// and command buttons, the board's menu, and the title strip that drags the window.
// Every command works through the application object's core; messages and file dialogs
// go through their interfaces.

#include <QPixmap>
#include <QWidget>

#include <string>

#include "app/file_dialogs.h"
#include "app/kelvara_app.h"
#include "app/main_window_layout.h"
#include "app/messages.h"
#include "app/skin.h"

class QMenu;
class QAction;
class QTimer;

namespace kelvara {

class AnalysisController;
class AnalysisStrip;
class BoardDisplay;
class CommentStrip;
class GraphicButton;
class MoveListView;
class TitleLabel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(KelvaraApp& app, Messages& messages, FileDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a record as the open button does once its dialog has answered; a record
    // named on the command line or dropped onto the window comes here too.
    void open_record_file(const QString& file_name);
    // A record handed over by a second start of the program ("" for none): the window
    // comes forward and opens it.
    void open_handed_over(const QString& file_name);

    // The commands behind the controls.
    void open_record();
    void first_move();
    void previous_move();
    void next_move();
    void last_move();
    void flip_board();
    void copy_record_text();
    void save_board_picture();
    // The board picture, as the snapshot saves it, on the clipboard as an image.
    void copy_board_picture();
    // Reads the clipboard's text as a record and shows it.
    void paste_record();
    // Writes the game on screen as a PGN file the user names.
    void save_record_as_pgn();
    void toggle_demonstration();
    // Opens the maker window, which returns when the animation is written.
    void make_animation();
    void open_settings();
    // What OK in the settings dialog does with its values.
    void apply_settings(const Settings& chosen, const std::string& title);

    // What the make button's tooltip says: where the animation starts when it starts at
    // the selected move, else nothing.
    QString make_button_tip() const;

    AnalysisController& analysis() { return *analysis_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void create_controls();
    void create_board_menu();
    GraphicButton* add_button(SkinButton pictures, const layout::ControlPlace& place);
    void show_message(const QString& text, const QString& caption, MessageIcon icon);
    // The list, the caption and any stop message after a record was opened.
    void show_opened(const OpenOutcome& outcome);
    void demonstration_changed();
    void demonstration_tick();
    void animation_made(const GifResult& result);
    void open_externally(const QString& path);
    // The comment strip for a record with comments, showing the selected move's.
    void show_comments();
    void create_analysis();
    // The window grows by the analysis strip while it is open.
    void show_analysis_strip(bool open);

    KelvaraApp& app_;
    Messages& messages_;
    FileDialogs& dialogs_;
    QPixmap background_;
    TitleLabel* title_ = nullptr;
    BoardDisplay* display_ = nullptr;
    MoveListView* moves_ = nullptr;
    CommentStrip* comments_ = nullptr;
    QMenu* board_menu_ = nullptr;
    GraphicButton* play_button_ = nullptr;
    GraphicButton* make_button_ = nullptr;
    bool turn_not_remembered_told_ = false;  // a settings file that cannot be written is told once
    QTimer* demo_timer_ = nullptr;
    AnalysisStrip* analysis_strip_ = nullptr;
    AnalysisController* analysis_ = nullptr;
    QAction* analysis_action_ = nullptr;
};

}  // namespace kelvara
