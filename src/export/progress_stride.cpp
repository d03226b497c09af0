#include "export/progress_stride.h"

#include <cmath>
#include <cstdint>

namespace kelvara {

ProgressStride progress_stride(int moves) {
    ProgressStride s{1, 0};
    for (int k = 1;; ++k) {
        const int m = moves / k;
        s.every = k;
        if (m <= 0) {  // nothing to step over
            s.width = 0;
            break;
        }
        // Rounded half away from zero, then kept to 16 bits as the bar's width field is.
        s.width = static_cast<std::int16_t>(std::lround(100.0 / m));
        const int total = s.width * m;
        if (k > 10 || (total >= 95 && total <= 105)) break;
    }
    return s;
}

}  // namespace kelvara
