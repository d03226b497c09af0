#include "export/progress_report.h"

#include <algorithm>

namespace kelvara {

namespace {

constexpr int kFullWidth = 199;

}  // namespace

ProgressReport::ProgressReport(const PicturePlan& plan, const std::function<void(int)>& handler)
    : stride_(progress_stride(plan.last_move)), pictures_(plan.pictures()), handler_(handler) {}

void ProgressReport::step_if(bool due) {
    if (!due) return;
    width_ += stride_.width;
    if (handler_) handler_(width_);
}

void ProgressReport::move_played(int move) { step_if(move % stride_.every == 0); }

// The pair that ends with this picture is the j-th from the last.
void ProgressReport::picture_added() {
    if (++added_ > 1) step_if((pictures_ - (added_ - 1)) % stride_.every == 0);
}

void ProgressReport::finish() {
    width_ = std::max(width_, kFullWidth);
    if (handler_) handler_(width_);
}

}  // namespace kelvara
