#pragma once
// The maker window: a small modal window over the main window. It first asks for the
// move the animation ends at (the game's last move at first; it starts where the job
// says) and the size of its pictures; then it shows a busy animation and a progress bar while a worker thread writes
// the animation. The worker makes the pictures on its own board and game copy and
// touches no widget; its progress and its end come back to this thread as queued calls.
// The window closes itself when the file is done, and cannot be closed before; before
// the job starts, Escape or 取消 close it and nothing is made.

#include <QDialog>
#include <QPixmap>

#include <stop_token>
#include <thread>

#include "export/gif_maker.h"
#include "platform/palette.h"

class QLabel;
class QComboBox;
class QSpinBox;
class QTimer;

namespace kelvara {

// Where an animation of the job starts, when it starts at the selected move ("从第12着
// 开始制作，共32幅图"), counting the pictures up to the job's last move; empty when it is
// made from the start of the game.
QString animation_start_text(const GifJob& job);

class MakerWindow : public QDialog {
    Q_OBJECT
public:
    // palette must outlive the window.
    MakerWindow(GifJob job, const Palette& palette, QWidget* parent = nullptr);
    // A job still running (the program is ending) is asked to stop and waited for.
    ~MakerWindow() override;

    // What the job came to, once finished() says it has (not when the window was closed
    // before the job started).
    const GifResult& result() const { return result_; }
    bool finished() const { return finished_; }
    bool started() const { return started_; }
    bool running() const { return running_; }
    // The picture size the job is made at: the job's at first, then the user's choice.
    int picture_size() const { return picture_size_; }
    // The progress bar's fill in pixels.
    int progress_width() const;
    // Starts the job, ending at the move and at the size chosen: what 确定 and Enter do.
    void start_job();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

public slots:
    // Escape would close a dialog; this one stays while the job runs.
    void reject() override;

private:
    void create_controls();
    void create_range_controls();
    void shape_and_place();
    void show_progress(int width);
    void finish(const GifResult& result);

    GifJob job_;
    const Palette& palette_;
    int height_ = 0;
    QPixmap background_;
    QWidget* range_ = nullptr;  // the choice of the last move, until the job starts
    QSpinBox* last_move_ = nullptr;
    QComboBox* size_box_ = nullptr;
    int picture_size_ = 1;
    QLabel* start_text_ = nullptr;  // null when the animation starts with the game
    QWidget* progress_ = nullptr;   // the busy animation and the bar, once it runs
    QLabel* busy_ = nullptr;
    QTimer* busy_timer_ = nullptr;
    int busy_frame_ = 0;
    QLabel* fill_ = nullptr;
    std::stop_source stop_;
    std::thread worker_;
    bool started_ = false;
    bool running_ = false;
    bool finished_ = false;
    GifResult result_;
};

}  // namespace kelvara
