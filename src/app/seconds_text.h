#pragma once
// The settings dialog shows its delays as seconds ("1.0", "0.3", "1.45") and reads them
// back from what the user typed: the number at its start (blanks, a sign, digits, a point
// and digits), whatever follows it ignored.

#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace kelvara {

// value / units_per_second with as many decimals as it needs, at least one: 1000
// milliseconds are "1.0", 1450 are "1.45", 2 hundredths "0.02".
std::string delay_text(int value, int units_per_second);

// The number at the start of the text times units_per_second (a power of ten), truncated
// toward zero and computed on the decimal digits as typed: "0.29" seconds are 29
// hundredths, not the 28 that 0.29 * 100 gives in floating point. Saturates at the
// limits of int.
int scaled_truncated(std::string_view text, int units_per_second);

// What a delay box holds once it is committed: the text read as scaled_truncated does,
// brought to the nearest end of the range; nullopt when the text holds no number.
std::optional<int> committed_delay(std::string_view text, const DelayRange& range);

}  // namespace kelvara
