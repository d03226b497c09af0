#pragma once
// The maker window: a small modal window over the main window that shows a busy
// animation and a progress bar while a worker thread writes the animation. The worker
// makes the pictures on its own board and game copy and touches no widget; its progress
// and its end come back to this thread as queued calls. The window closes itself when
// the file is done, and cannot be closed before.

#include <QDialog>
#include <QPixmap>

#include <stop_token>
#include <thread>

#include "export/gif_maker.h"
#include "platform/palette.h"

class QLabel;
class QTimer;

namespace kelvara {

// Where an animation of the job starts, when it starts at the selected move ("从第12着
// 开始制作，共32幅图"); empty when it is made from the start of the game.
QString animation_start_text(const GifJob& job);

class MakerWindow : public QDialog {
    Q_OBJECT
public:
    // palette must outlive the window.
    MakerWindow(GifJob job, const Palette& palette, QWidget* parent = nullptr);
    // A job still running (the program is ending) is asked to stop and waited for.
    ~MakerWindow() override;

    // What the job came to, once finished() says it has.
    const GifResult& result() const { return result_; }
    bool finished() const { return finished_; }
    bool running() const { return running_; }
    // The progress bar's fill in pixels.
    int progress_width() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

public slots:
    // Escape would close a dialog; this one stays until the job is done.
    void reject() override;

private:
    void create_controls();
    void shape_and_place();
    void start_job();
    void show_progress(int width);
    void finish(const GifResult& result);

    GifJob job_;
    const Palette& palette_;
    int height_ = 0;
    QPixmap background_;
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
