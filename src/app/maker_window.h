#pragma once
// The maker window: a small modal window over the main window that shows a busy
// animation and a progress bar while a worker thread writes the animation. The worker
// makes the pictures on its own board and game copy and touches no widget; its progress
// and its end come back to this thread as queued calls. The window closes itself when
// the file is done, and cannot be closed before.

#include <QDialog>
#include <QPixmap>

#include <thread>

#include "export/gif_maker.h"
#include "platform/palette.h"

class QLabel;
class QTimer;

namespace kelvara {

class MakerWindow : public QDialog {
    Q_OBJECT
public:
    // palette must outlive the window.
    MakerWindow(GifJob job, const Palette& palette, QWidget* parent = nullptr);
    ~MakerWindow() override;

    // What the job came to; meaningful once the window has closed.
    const GifResult& result() const { return result_; }
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
    QPixmap background_;
    QLabel* busy_ = nullptr;
    QTimer* busy_timer_ = nullptr;
    int busy_frame_ = 0;
    QLabel* fill_ = nullptr;
    std::thread worker_;
    bool started_ = false;
    bool running_ = false;
    GifResult result_;
};

}  // namespace kelvara
