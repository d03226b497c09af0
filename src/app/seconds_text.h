#pragma once
// The settings dialog shows its delays as seconds with one decimal ("1.0", "0.3") and
// reads them back from what the user typed.

#include <string>
#include <string_view>

namespace kelvara {

// The number at the start of the text: blanks, a sign, digits, a point and digits.
// A text without digits reads as 0; whatever follows the number is ignored.
double read_number(std::string_view text);

// One decimal, halves rounded away from zero: 0.25 gives "0.3", 8.1 gives "8.1".
std::string seconds_text(double seconds);
// value / units_per_second with one decimal, rounded from the integer itself, so that
// 1050 milliseconds show as "1.1" whatever the floating point makes of 1.05.
std::string seconds_text(int value, int units_per_second);

// The number at the start of the text times units_per_second (a power of ten), truncated
// toward zero and computed on the decimal digits as typed: "0.29" seconds are 29
// hundredths, not the 28 that 0.29 * 100 gives in floating point. Saturates at the
// limits of int.
int scaled_truncated(std::string_view text, int units_per_second);

}  // namespace kelvara
