#include "app/maker_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

#include "app/main_window_layout.h"
#include "app/settings.h"
#include "app/skin.h"
#include "app/skinned_controls.h"
#include "export/picture_plan.h"
#include "view/board_geometry.h"

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

// Before the job: "制作到第 [N] 着  确定 取消" where the busy animation will be.
constexpr ControlPlace kRangeLabel{u"标签_制作到", 8, 9, 50, 18};
constexpr ControlPlace kLastMoveBox{u"编辑框_末着", 62, 9, 44, 18};
constexpr ControlPlace kMoveLabel{u"标签_着", 110, 9, 16, 18};
constexpr ControlPlace kStartButton{u"图形按钮_确定", 140, 9, 32, 18};
constexpr ControlPlace kCancelButton{u"图形按钮_取消", 178, 9, 32, 18};
// Below them, in the bar's well: "图片大小 [520×660]".
constexpr ControlPlace kSizeLabel{u"标签_图片大小", 10, 32, 48, 14};
constexpr ControlPlace kSizeBox{u"组合框_图片大小", 62, 32, 110, 14};

QLabel* text_label(QWidget* parent, const ControlPlace& place, const QString& text, Qt::Alignment alignment) {
    QLabel* label = dialog_label(parent, place, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A layer over the whole window that holds one stage's controls.
QWidget* stage(QWidget* window) {
    auto* layer = new QWidget(window);
    layer->setGeometry(window->rect());
    return layer;
}

QLabel* picture_box(QWidget* parent, const ControlPlace& place, const QPixmap& picture) {
    auto* box = new QLabel(parent);
    put(box, place);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a narrow fill shows the picture's left part
    box->setPixmap(picture);
    return box;
}

}  // namespace

QString animation_start_text(const GifJob& job) {
    const int moves = static_cast<int>(job.game.moves.size());
    const PicturePlan plan = plan_pictures(moves, job.start_at_selected_move, job.selected_row, job.to_move);
    if (plan.first_move == 0) return {};
    return QStringLiteral("从第%1着开始制作，共%2幅图").arg(job.selected_row + 1).arg(plan.pictures());
}

MakerWindow::MakerWindow(GifJob job, const Palette& palette, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), job_(std::move(job)), palette_(palette),
      background_(maker_background()), picture_size_(offered_picture_size(job_.scale)) {
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
    progress_ = stage(this);
    busy_ = picture_box(progress_, kBusy, busy_frame(0));
    busy_timer_ = new QTimer(this);
    connect(busy_timer_, &QTimer::timeout, this, [this] {
        busy_frame_ = (busy_frame_ + 1) % kBusyFrameCount;
        busy_->setPixmap(busy_frame(busy_frame_));
    });
    QLabel* bar = picture_box(progress_, kBar, progress_empty());
    fill_ = picture_box(bar, kFill, progress_fill());
    picture_box(progress_, kBarEnd, progress_end());
    progress_->hide();

    const QString start = animation_start_text(job_);
    if (!start.isEmpty()) start_text_ = text_label(this, kStartText, start, Qt::AlignHCenter);
    create_range_controls();
}

void MakerWindow::create_range_controls() {
    range_ = stage(this);
    const int moves = static_cast<int>(job_.game.moves.size());
    const PicturePlan plan = plan_pictures(moves, job_.start_at_selected_move, job_.selected_row, 0);
    // At least the first move the animation shows played: the selected one, or move 1.
    const int first_played = plan.first_without_markers ? plan.first_move + 1 : std::max(plan.first_move, 1);

    text_label(range_, kRangeLabel, QStringLiteral("制作到第"), Qt::AlignRight);
    last_move_ = edit_box<QSpinBox>(range_, kLastMoveBox);
    last_move_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    last_move_->setAlignment(Qt::AlignCenter);
    last_move_->setRange(std::min(first_played, moves), moves);
    last_move_->setValue(moves);
    connect(last_move_, &QSpinBox::valueChanged, this, [this](int move) {
        job_.to_move = move;
        if (start_text_) start_text_->setText(animation_start_text(job_));
    });
    text_label(range_, kMoveLabel, QStringLiteral("着"), Qt::AlignLeft);

    text_label(range_, kSizeLabel, QStringLiteral("图片大小"), Qt::AlignRight);
    size_box_ = edit_box<QComboBox>(range_, kSizeBox);
    QPalette colours = size_box_->palette();  // a closed list is drawn as a button
    colours.setColor(QPalette::Button, kEditFill);
    colours.setColor(QPalette::ButtonText, kEditText);
    size_box_->setPalette(colours);
    for (int scale : kPictureSizes)
        size_box_->addItem(QStringLiteral("%1×%2").arg(board::kWidth * scale).arg(board::kHeight * scale), scale);
    size_box_->setCurrentIndex(std::max(0, size_box_->findData(picture_size_)));
    connect(size_box_, &QComboBox::currentIndexChanged, this,
            [this] { picture_size_ = offered_picture_size(size_box_->currentData().toInt()); });

    connect(skin_button(range_, SkinButton::Ok, kStartButton), &QAbstractButton::clicked, this,
            &MakerWindow::start_job);
    connect(skin_button(range_, SkinButton::Cancel, kCancelButton), &QAbstractButton::clicked, this,
            &MakerWindow::reject);
    last_move_->setFocus();
    last_move_->selectAll();
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

void MakerWindow::keyPressEvent(QKeyEvent* event) {
    if (!started_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        start_job();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MakerWindow::start_job() {
    if (started_) return;
    started_ = true;
    running_ = true;
    job_.to_move = last_move_->value();
    job_.scale = picture_size_;
    range_->hide();
    progress_->show();
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
