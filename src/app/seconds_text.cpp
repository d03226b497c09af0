#include "app/seconds_text.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace kelvara {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The parts of the number at the start of a text.
struct DecimalText {
    bool negative = false;
    std::string_view whole;     // digits before the point
    std::string_view fraction;  // digits after it
};

DecimalText split_number(std::string_view text) {
    DecimalText d;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) d.negative = text[i++] == '-';
    const std::size_t whole_start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    d.whole = text.substr(whole_start, i - whole_start);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction_start = ++i;
        while (i < text.size() && is_digit(text[i])) ++i;
        d.fraction = text.substr(fraction_start, i - fraction_start);
    }
    return d;
}

}  // namespace

double read_number(std::string_view text) {
    const DecimalText d = split_number(text);
    if (d.whole.empty() && d.fraction.empty()) return 0.0;
    const std::string digits = std::string(d.whole.empty() ? "0" : d.whole) + "." + std::string(d.fraction) + "0";
    const double value = std::strtod(digits.c_str(), nullptr);
    return d.negative ? -value : value;
}

std::string seconds_text(double seconds) {
    // The tiny allowance keeps 0.25 from becoming 0.2 when it is stored as 0.2499...
    const double tenths = std::floor(std::fabs(seconds) * 10.0 + 0.5 + 1e-9);
    const long long n = static_cast<long long>(tenths);
    std::string text = std::to_string(n / 10) + "." + std::to_string(n % 10);
    return seconds < 0 && n != 0 ? "-" + text : text;
}

std::string seconds_text(int value, int units_per_second) {
    const long long scaled = static_cast<long long>(value) * 10;
    long long tenths = scaled / units_per_second;
    const long long rest = scaled % units_per_second;
    if (2 * std::llabs(rest) >= units_per_second) tenths += scaled < 0 ? -1 : 1;
    const long long n = std::llabs(tenths);
    std::string text = std::to_string(n / 10) + "." + std::to_string(n % 10);
    return tenths < 0 ? "-" + text : text;
}

int scaled_truncated(std::string_view text, int units_per_second) {
    const DecimalText d = split_number(text);
    long long value = 0;
    auto add_digit = [&value](char c) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;  // saturated below
    };
    for (char c : d.whole) add_digit(c);
    std::size_t used = 0;
    for (int unit = units_per_second; unit > 1; unit /= 10) add_digit(used < d.fraction.size() ? d.fraction[used++] : '0');
    if (d.negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace kelvara
