#include "app/analysis_strip.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "app/graphic_button.h"
#include "app/main_window_layout.h"
#include "app/skin.h"

namespace kelvara {

// Red's share of the bar in red lacquer from the left, black's in ink from the right,
// with a gold tick at the middle, where the position is even.
class ScoreBar : public QWidget {
public:
    using QWidget::QWidget;

    void set_share(double share) {
        share_ = std::clamp(share, 0.0, 1.0);
        update();
    }
    double share() const { return share_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int red = static_cast<int>(width() * share_ + 0.5);
        painter.fillRect(0, 0, red, height(), kScoreRed);
        painter.fillRect(red, 0, width() - red, height(), kScoreBlack);
        painter.fillRect(width() / 2, 0, 1, height(), kScoreTick);
    }

private:
    double share_ = 0.5;
};

namespace {

using layout::ControlPlace;

void put(QWidget* widget, const ControlPlace& place) {
    widget->setObjectName(QString::fromUtf16(place.name.data(), static_cast<qsizetype>(place.name.size())));
    widget->setGeometry(place.left, place.top, place.width, place.height);
}

QLabel* text_label(QWidget* parent, const ControlPlace& place, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    put(label, place);
    label->setAlignment(alignment);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kTitleText);
    label->setPalette(colours);
    QFont font = label->font();
    font.setPixelSize(kTextPixelSize);
    label->setFont(font);
    return label;
}

}  // namespace

AnalysisStrip::AnalysisStrip(QWidget* parent) : QWidget(parent) {
    put(this, layout::kAnalysisStrip);
    score_ = text_label(this, layout::kScoreLabel, Qt::AlignRight | Qt::AlignVCenter);
    bar_ = new ScoreBar(this);
    put(bar_, layout::kScoreBar);
    depth_ = text_label(this, layout::kDepthLabel, Qt::AlignLeft | Qt::AlignVCenter);
    line_ = text_label(this, layout::kLineLabel, Qt::AlignLeft | Qt::AlignTop);
    line_->setWordWrap(true);
    close_ = new GraphicButton(button_pictures(SkinButton::Close), this);
    put(close_, layout::kCloseAnalysisButton);

    progress_ = new QLabel(this);
    put(progress_, layout::kProgressBar);
    progress_->setPixmap(progress_empty());
    progress_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    progress_fill_ = new QLabel(progress_);
    progress_fill_->setGeometry(1, 0, 1, layout::kProgressBar.height);
    progress_fill_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a narrow fill shows the picture's left part
    progress_fill_->setPixmap(progress_fill());
    cancel_ = new GraphicButton(button_pictures(SkinButton::Cancel), this);
    put(cancel_, layout::kCancelAnalysisButton);
    hide_progress();
    show_status({});
}

void AnalysisStrip::show_evaluation(const QString& score, double red_share, int depth, const QString& line) {
    score_->setText(score);
    bar_->set_share(red_share);
    depth_->setText(depth > 0 ? QStringLiteral("深度 %1").arg(depth) : QString());
    line_->setText(line);
}

void AnalysisStrip::show_status(const QString& text) {
    score_->clear();
    bar_->set_share(0.5);
    depth_->clear();
    line_->setText(text);
}

void AnalysisStrip::show_progress(int answered, int total) {
    bar_->hide();
    progress_->show();
    cancel_->show();
    const int full = layout::kProgressBar.width - 1;
    const int width = total > 0 ? full * std::clamp(answered, 0, total) / total : 0;
    progress_fill_->resize(std::max(width, 1), layout::kProgressBar.height);
    progress_fill_->setVisible(width > 0);
    score_->clear();
    depth_->setText(QStringLiteral("%1/%2").arg(answered).arg(total));
    line_->setText(QStringLiteral("正在分析全局……"));
}

void AnalysisStrip::hide_progress() {
    progress_->hide();
    cancel_->hide();
    bar_->show();
}

QAbstractButton* AnalysisStrip::close_button() const { return close_; }
QAbstractButton* AnalysisStrip::cancel_button() const { return cancel_; }
QString AnalysisStrip::score_text() const { return score_->text(); }
QString AnalysisStrip::line_text() const { return line_->text(); }
QString AnalysisStrip::depth_text() const { return depth_->text(); }
double AnalysisStrip::red_share() const { return bar_->share(); }
bool AnalysisStrip::showing_progress() const { return !progress_->isHidden(); }

}  // namespace kelvara
