#include "app/maker_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

#include "app/main_window_layout.h"
#include "app/skin.h"

namespace kelvara {

namespace {

using layout::ControlPlace;

constexpr int kWidth = 222;
constexpr int kHeight = 61;
// The window grows by a line when it says where the animation starts; the background's
// bottom frame moves down with it.
constexpr int kStartTextHeight = 14;
constexpr int kBottomFrame = 4;
constexpr double kCornerRadius = 2.5;  // a 5 × 5 corner ellipse
constexpr double kOpacity = 210.0 / 255.0;

constexpr ControlPlace kBusy{u"图片框1", 49, 13, 117, 14};
constexpr ControlPlace kBar{u"画板1", 9, 32, 200, 14};
constexpr ControlPlace kFill{u"画板2", 1, 0, 1, 14};  // inside the bar; its width is the progress
constexpr ControlPlace kBarEnd{u"画板3", 209, 32, 1, 14};
// Under the bar: from which move the animation starts, when not from the start.
constexpr ControlPlace kStartText{u"标签_起始着", 9, 49, 201, 16};
constexpr int kFullFill = kBar.width - kFill.left;

QLabel* picture_box(QWidget* parent, const ControlPlace& place, const QPixmap& picture) {
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromUtf16(place.name.data(), static_cast<qsizetype>(place.name.size())));
    box->setGeometry(place.left, place.top, place.width, place.height);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a narrow fill shows the picture's left part
    box->setPixmap(picture);
    return box;
}

}  // namespace

QString animation_start_text(const GifJob& job) {
    const int moves = static_cast<int>(job.game.moves.size());
    const int pictures = animation_pictures(moves, job.start_at_selected_move, job.selected_row);
    if (pictures == moves + 1) return {};
    return QStringLiteral("从第%1着开始制作，共%2幅图").arg(job.selected_row + 1).arg(pictures);
}

MakerWindow::MakerWindow(GifJob job, const Palette& palette, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), job_(std::move(job)), palette_(palette),
      background_(maker_background()) {
    setWindowTitle(QStringLiteral("Kelvara"));
    height_ = kHeight + (animation_start_text(job_).isEmpty() ? 0 : kStartTextHeight);
    setFixedSize(kWidth, height_);
    setModal(true);
    create_controls();
    shape_and_place();
}

MakerWindow::~MakerWindow() {
    // The worker holds nothing of this window; its queued calls die with it.
    stop_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void MakerWindow::create_controls() {
    busy_ = picture_box(this, kBusy, busy_frame(0));
    busy_timer_ = new QTimer(this);
    connect(busy_timer_, &QTimer::timeout, this, [this] {
        busy_frame_ = (busy_frame_ + 1) % kBusyFrameCount;
        busy_->setPixmap(busy_frame(busy_frame_));
    });
    QLabel* bar = picture_box(this, kBar, progress_empty());
    fill_ = picture_box(bar, kFill, progress_fill());
    picture_box(this, kBarEnd, progress_end());

    const QString start = animation_start_text(job_);
    if (!start.isEmpty()) {
        auto* label = new QLabel(start, this);
        label->setObjectName(QString::fromUtf16(kStartText.name.data(), static_cast<qsizetype>(kStartText.name.size())));
        label->setGeometry(kStartText.left, kStartText.top, kStartText.width, kStartText.height);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(kTextPixelSize);
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, kDialogLabelText);
        label->setPalette(colours);
    }
}

void MakerWindow::shape_and_place() {
    QBitmap shape(size());
    shape.clear();
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(0, 0, kWidth, height_), kCornerRadius, kCornerRadius);
    painter.end();
    setMask(shape);
    setWindowOpacity(kOpacity);
    if (QWidget* owner = parentWidget()) {
        const QRect main = owner->window()->frameGeometry();
        const int left = static_cast<int>(main.left() + main.width() / 2.0 - kWidth / 2.0);
        const int top = static_cast<int>(main.top() + main.height() / 2.0 - height_ / 2.0);
        move(left, top);
    }
}

int MakerWindow::progress_width() const { return fill_->width(); }

void MakerWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) start_job();
}

void MakerWindow::start_job() {
    started_ = true;
    running_ = true;
    busy_timer_->start(kBusyFrameMilliseconds);
    job_.stop = stop_.get_token();
    worker_ = std::thread([this, job = std::move(job_)] {
        GifMaker maker(palette_);
        maker.on_progress([this](int width) {
            QMetaObject::invokeMethod(this, [this, width] { show_progress(width); }, Qt::QueuedConnection);
        });
        const GifResult result = maker.make(job);
        QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
}

void MakerWindow::show_progress(int width) {
    fill_->resize(std::clamp(width, 1, kFullFill), kFill.height);
}

void MakerWindow::finish(const GifResult& result) {
    worker_.join();
    result_ = result;
    running_ = false;
    finished_ = true;
    busy_timer_->stop();
    accept();
}

void MakerWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MakerWindow::reject() {
    if (!running_) QDialog::reject();
}

void MakerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (height_ == kHeight) {
        painter.drawPixmap(0, 0, background_);
        return;
    }
    // The picture down to its bottom frame, a plain row stretched over the extra height,
    // then the bottom frame. Source rectangles count the picture's own pixels, which a
    // dense screen's picture has more of.
    const qreal r = background_.devicePixelRatio();
    const auto part = [&](qreal target_top, qreal height, qreal source_top, qreal source_height) {
        painter.drawPixmap(QRectF(0, target_top, kWidth, height), background_,
                           QRectF(0, source_top * r, kWidth * r, source_height * r));
    };
    const int body = kHeight - kBottomFrame;
    part(0, body, 0, body);
    part(body, height_ - kHeight, body - 1, 1);
    part(height_ - kBottomFrame, kBottomFrame, body, kBottomFrame);
}

}  // namespace kelvara
