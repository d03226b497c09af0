#pragma once
// The maker window's progress bar while an animation is made: its fill starts 1 pixel
// wide and grows by one step after every k-th move replayed and after every k-th pair of
// pictures, counted from the last pair, as the bar has always counted them; at the end
// it is at least 199 pixels wide.

#include <functional>

#include "export/picture_plan.h"
#include "export/progress_stride.h"

namespace kelvara {

class ProgressReport {
public:
    // handler gets the fill's width after each step; it may be empty.
    ProgressReport(const PicturePlan& plan, const std::function<void(int)>& handler);

    void move_played(int move);
    void picture_added();
    void finish();

private:
    void step_if(bool due);

    ProgressStride stride_;
    int pictures_;
    const std::function<void(int)>& handler_;
    int added_ = 0;
    int width_ = 1;
};

}  // namespace kelvara
