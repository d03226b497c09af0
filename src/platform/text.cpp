#include "platform/text.h"

#include <algorithm>
#include <limits>

#include "platform/gbk_literal.h"

namespace kelvara::gbk {

namespace {

bool is_lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool is_trail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

template <typename F>
std::string map_ascii(std::string_view s, F f) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = char_length(out, i);
        if (n == 1) out[i] = f(out[i]);
        i += n;
    }
    return out;
}

}  // namespace

std::size_t char_length(std::string_view s, std::size_t i) {
    if (i + 1 < s.size() && is_lead(static_cast<unsigned char>(s[i])) &&
        is_trail(static_cast<unsigned char>(s[i + 1])))
        return 2;
    return 1;
}

std::vector<std::string_view> characters(std::string_view s) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = char_length(s, i);
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

std::string_view left(std::string_view s, int count) {
    if (count <= 0) return {};
    return s.substr(0, static_cast<std::size_t>(count));
}

std::string_view right(std::string_view s, int count) {
    if (count <= 0) return {};
    const auto n = std::min(s.size(), static_cast<std::size_t>(count));
    return s.substr(s.size() - n);
}

std::string_view middle(std::string_view s, int start, int count) {
    if (count <= 0 || start < 1 || static_cast<std::size_t>(start) > s.size()) return {};
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

int find(std::string_view s, std::string_view what, int from) {
    if (from < 1) from = 1;
    if (static_cast<std::size_t>(from - 1) > s.size()) return -1;
    const auto pos = s.find(what, static_cast<std::size_t>(from - 1));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

int find_last(std::string_view s, std::string_view what) {
    const auto pos = s.rfind(what);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

std::vector<std::string_view> split(std::string_view s, std::string_view sep, int max_parts) {
    std::vector<std::string_view> parts;
    if (max_parts <= 0) return parts;
    if (sep.empty()) {
        parts.push_back(s);
        return parts;
    }
    std::size_t start = 0;
    while (static_cast<int>(parts.size()) < max_parts) {
        const auto pos = s.find(sep, start);
        if (pos == std::string_view::npos) {
            parts.push_back(s.substr(start));
            break;
        }
        parts.push_back(s.substr(start, pos - start));
        start = pos + sep.size();
    }
    return parts;
}

std::string to_upper_ascii(std::string_view s) {
    return map_ascii(s, [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
}

std::string to_lower_ascii(std::string_view s) {
    return map_ascii(s, [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
}

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (s.substr(i, from.size()) == from) {
            out += to;
            i += from.size();
        } else {
            const std::size_t n = char_length(s, i);
            out += s.substr(i, n);
            i += n;
        }
    }
    return out;
}

std::string repeat(std::string_view s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

std::string fold_full_width(std::string_view s) {
    std::string folded;
    folded.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = char_length(s, i);
        const auto trail = n == 2 ? static_cast<unsigned char>(s[i + 1]) : 0;
        if (n == 2 && static_cast<unsigned char>(s[i]) == 0xA3 && trail >= 0xA1)
            folded += static_cast<char>(trail & 0x7F);
        else
            folded += s.substr(i, n);
        i += n;
    }
    return folded;
}

int to_integer(std::string_view s) {
    const std::string folded = fold_full_width(s);
    std::size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
        value = std::min(kLimit, value * 10 + (folded[i] - '0'));
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max()));
}

std::string decimal(long long value) { return std::to_string(value); }

std::string chinese_numerals(long long value) {
    static constexpr std::string_view kDigits[] = {"零"_gbk, "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk,
                                                   "五"_gbk, "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk};
    std::string out;
    for (char c : std::to_string(value)) {
        if (c == '-')
            out += '-';
        else
            out += kDigits[c - '0'];
    }
    return out;
}

std::string_view cut_whole_chars(std::string_view s, std::size_t max_bytes) {
    if (s.size() <= max_bytes) return s;
    std::size_t end = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = char_length(s, i);
        if (i + n > max_bytes) break;
        i += n;
        end = i;
    }
    return s.substr(0, end);
}

}  // namespace kelvara::gbk
