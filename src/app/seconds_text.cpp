#include "app/seconds_text.h"

#include <algorithm>
#include <climits>
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

std::string delay_text(int value, int units_per_second) {
    const long long v = std::llabs(static_cast<long long>(value));
    std::string fraction = std::to_string(v % units_per_second);
    int places = 0;
    for (int unit = units_per_second; unit > 1; unit /= 10) ++places;
    fraction.insert(0, static_cast<std::size_t>(places) - std::min<std::size_t>(fraction.size(), places), '0');
    while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
    return (value < 0 ? "-" : "") + std::to_string(v / units_per_second) + "." + fraction;
}

std::optional<int> committed_delay(std::string_view text, const DelayRange& range) {
    const DecimalText d = split_number(text);
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    return std::clamp(scaled_truncated(text, range.units_per_second), range.lowest, range.highest);
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
