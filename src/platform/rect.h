#pragma once
// An axis-aligned pixel rectangle; right and bottom are exclusive, so an empty rectangle
// has right <= left or bottom <= top.

#include <algorithm>
#include <climits>

namespace kelvara {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return empty() ? 0 : right - left; }
    int height() const { return empty() ? 0 : bottom - top; }
    long long area() const { return static_cast<long long>(width()) * height(); }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool contains(const Rect& r) const {
        return r.empty() || (r.left >= left && r.right <= right && r.top >= top && r.bottom <= bottom);
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Saturates instead of overflowing for a far-off position.
inline Rect rect_at(int left, int top, int width, int height) {
    const auto end = [](int start, int size) {
        return static_cast<int>(std::clamp(static_cast<long long>(start) + size, static_cast<long long>(INT_MIN),
                                           static_cast<long long>(INT_MAX)));
    };
    return {left, top, end(left, width), end(top, height)};
}

inline Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return r.empty() ? Rect{} : r;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b.empty() ? Rect{} : b;
    if (b.empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace kelvara
