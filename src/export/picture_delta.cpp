#include "export/picture_delta.h"

#include <algorithm>
#include <cstring>

namespace kelvara {

namespace {

// Unchanged pixels take the key colour, which the palette keeps for them alone; the
// pixel at (1, 328) never changes, so its index is the transparent one.
constexpr Argb kKeyColour = argb(0, 255, 255);
constexpr int kProbeX = 1;
constexpr int kProbeY = 328;

}  // namespace

PictureDelta::PictureDelta(const Palette& palette) : mapper_(palette), key_index_(mapper_.index_of(kKeyColour)) {}

std::uint8_t PictureDelta::index_of(Argb colour) {
    if (!have_last_ || colour != last_colour_) {
        last_colour_ = colour;
        last_index_ = mapper_.index_of(colour);
        have_last_ = true;
    }
    return last_index_;
}

IndexedPicture PictureDelta::first(const Image& picture) {
    IndexedPicture out;
    out.rect = {0, 0, picture.width, picture.height};
    out.indices.resize(picture.pixels.size());
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) out.indices[i] = index_of(picture.pixels[i]);
    previous_ = picture;
    return out;
}

// The areas' pixels as disjoint spans, each row's spans sorted and merged.
void PictureDelta::find_spans(std::span<const Rect> areas, int width, int height) {
    spans_.clear();
    Rect rows;
    const Rect screen{0, 0, width, height};
    for (const Rect& a : areas) rows = unite(rows, intersect(a, screen));
    std::vector<Span> row;
    for (int y = rows.top; y < rows.bottom; ++y) {
        row.clear();
        for (const Rect& a : areas) {
            const Rect r = intersect(a, screen);
            if (y >= r.top && y < r.bottom) row.push_back({y, r.left, r.right});
        }
        std::sort(row.begin(), row.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
        for (const Span& s : row) {
            if (!spans_.empty() && spans_.back().y == y && s.left <= spans_.back().right)
                spans_.back().right = std::max(spans_.back().right, s.right);
            else
                spans_.push_back(s);
        }
    }
}

IndexedPicture PictureDelta::next(const Image& picture, std::span<const Rect> areas) {
    find_spans(areas, picture.width, picture.height);
    const auto row_of = [](const Image& image, int y) { return &image.pixels[static_cast<std::size_t>(y) * image.width]; };

    Rect changed;
    for (const Span& s : spans_) {
        const Argb* now = row_of(picture, s.y);
        const Argb* before = row_of(previous_, s.y);
        int first = s.left;
        while (first < s.right && now[first] == before[first]) ++first;
        if (first == s.right) continue;
        int last = s.right - 1;
        while (now[last] == before[last]) --last;
        changed = unite(changed, {first, s.y, last + 1, s.y + 1});
    }

    IndexedPicture out;
    if (changed.empty()) {  // nothing moved: a single transparent pixel holds the delay
        out.rect = {0, 0, 1, 1};
        out.transparent_index = key_index_;
        out.indices.assign(1, key_index_);
        return out;
    }
    out.rect = changed;
    out.indices.assign(static_cast<std::size_t>(changed.width()) * changed.height(), key_index_);
    for (const Span& s : spans_) {
        if (s.y < changed.top || s.y >= changed.bottom) continue;
        const int left = std::max(s.left, changed.left), right = std::min(s.right, changed.right);
        const Argb* now = row_of(picture, s.y);
        const Argb* before = row_of(previous_, s.y);
        std::uint8_t* index = out.indices.data() + static_cast<std::size_t>(s.y - changed.top) * changed.width();
        for (int x = left; x < right; ++x)
            if (now[x] != before[x]) index[x - changed.left] = index_of(now[x]);
    }
    const bool probe_same = !Rect{0, 0, picture.width, picture.height}.contains(kProbeX, kProbeY) ||
                            picture.at(kProbeX, kProbeY) == previous_.at(kProbeX, kProbeY);
    out.transparent_index = probe_same ? key_index_ : index_of(picture.at(kProbeX, kProbeY));
    for (const Span& s : spans_)
        std::memcpy(&previous_.at(s.left, s.y), row_of(picture, s.y) + s.left, sizeof(Argb) * (s.right - s.left));
    return out;
}

}  // namespace kelvara
