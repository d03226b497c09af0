#include "export/picture_delta.h"

#include <algorithm>
#include <cstring>

namespace kelvara {

namespace {

// Unchanged pixels take the key colour, which the palette keeps for them alone; the
// pixel at (1, 328) (times the board's scale) never changes, so its index is the
// transparent one.
constexpr Argb kKeyColour = argb(0, 255, 255);
constexpr int kProbeX = 1;
constexpr int kProbeY = 328;

}  // namespace

PictureDelta::PictureDelta(const Palette& palette, int scale)
    : mapper_(palette), probe_x_(kProbeX * scale), probe_y_(kProbeY * scale) {}

IndexedPicture PictureDelta::first(const Image& picture) {
    IndexedPicture out;
    out.rect = {0, 0, picture.width, picture.height};
    out.indices.resize(picture.pixels.size());
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) out.indices[i] = mapper_.index_of(picture.pixels[i]);
    previous_ = picture;
    return out;
}

void PictureDelta::find_bands(std::span<const Rect> areas, int width, int height) {
    bands_.clear();
    columns_.clear();
    const Rect screen{0, 0, width, height};
    std::vector<Rect> rects;
    std::vector<int> edges;
    for (const Rect& a : areas) {
        const Rect r = intersect(a, screen);
        if (r.empty()) continue;
        rects.push_back(r);
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<Columns> row;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e], bottom = edges[e + 1];
        row.clear();
        for (const Rect& r : rects)
            if (r.top <= top && r.bottom >= bottom) row.push_back({r.left, r.right});
        if (row.empty()) continue;
        std::sort(row.begin(), row.end(), [](const Columns& a, const Columns& b) { return a.left < b.left; });
        const std::size_t first = columns_.size();
        for (const Columns& c : row) {
            if (columns_.size() > first && c.left <= columns_.back().right)
                columns_.back().right = std::max(columns_.back().right, c.right);
            else
                columns_.push_back(c);
        }
        bands_.push_back({top, bottom, first, columns_.size() - first});
    }
}

IndexedPicture PictureDelta::next(const Image& picture, std::span<const Rect> areas) {
    find_bands(areas, picture.width, picture.height);
    const bool probe_changed = Rect{0, 0, picture.width, picture.height}.contains(probe_x_, probe_y_) &&
                               picture.at(probe_x_, probe_y_) != previous_.at(probe_x_, probe_y_);
    // One pass over the areas: every changed pixel is noted and taken into the previous
    // picture at once (the columns of a band never overlap).
    changed_.clear();
    Rect rect;
    for (const Band& band : bands_) {
        for (int y = band.top; y < band.bottom; ++y) {
            const std::size_t row = static_cast<std::size_t>(y) * picture.width;
            const Argb* now = picture.pixels.data() + row;
            Argb* before = previous_.pixels.data() + row;
            for (std::size_t c = band.first; c < band.first + band.count; ++c) {
                const std::size_t noted = changed_.size();
                for (int x = columns_[c].left; x < columns_[c].right; ++x) {
                    if (now[x] == before[x]) continue;
                    changed_.push_back({x, y, now[x]});
                    before[x] = now[x];
                }
                if (changed_.size() != noted) rect = unite(rect, {changed_[noted].x, y, changed_.back().x + 1, y + 1});
            }
        }
    }
    const std::uint8_t key = mapper_.index_of(kKeyColour);
    IndexedPicture out;
    if (rect.empty()) {  // nothing moved: a single transparent pixel holds the delay
        out.rect = {0, 0, 1, 1};
        out.transparent_index = key;
        out.indices.assign(1, key);
        return out;
    }
    out.rect = rect;
    out.indices.assign(static_cast<std::size_t>(rect.width()) * rect.height(), key);
    for (const Pixel& p : changed_)
        out.indices[static_cast<std::size_t>(p.y - rect.top) * rect.width() + (p.x - rect.left)] = mapper_.index_of(p.colour);
    out.transparent_index = probe_changed ? mapper_.index_of(picture.at(probe_x_, probe_y_)) : key;
    return out;
}

}  // namespace kelvara
