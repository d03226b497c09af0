#include "platform/sprite_canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/encoding.h"
#include "platform/png_codec.h"

namespace kelvara {

namespace {

constexpr Argb kGround = argb(0, 0, 0);
// Past this many pending rectangles their bounding box is cheaper to handle than the list.
constexpr std::size_t kMaxRects = 24;
// The caches hold the handful of pictures and the counter texts of a game; a caller that
// keeps feeding new ones only costs a rebuild.
constexpr std::size_t kMaxCachedPngs = 64;
constexpr std::size_t kMaxCachedTexts = 64;  // small: an animation shows each counter text once

void add_rect(std::vector<Rect>& rects, const Rect& r) {
    if (r.empty()) return;
    for (const Rect& e : rects)
        if (e.contains(r)) return;
    std::erase_if(rects, [&](const Rect& e) { return r.contains(e); });
    rects.push_back(r);
    if (rects.size() > kMaxRects) {
        Rect all;
        for (const Rect& e : rects) all = unite(all, e);
        rects.assign(1, all);
    }
}

// Merges pairs whose bounding box is no larger than the two together, so that touching
// and overlapping rectangles are handled once.
void coalesce(std::vector<Rect>& rects) {
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
                const Rect u = unite(rects[i], rects[j]);
                if (u.area() <= rects[i].area() + rects[j].area()) {
                    rects[i] = u;
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
    }
}

// Straight alpha over an opaque ground; the result stays opaque.
inline Argb blend(Argb dst, Argb src) {
    const int a = alpha_of(src);
    if (a == 255) return src;
    if (a == 0) return dst;
    const auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
    return argb(mix(red_of(src), red_of(dst)), mix(green_of(src), green_of(dst)), mix(blue_of(src), blue_of(dst)));
}

std::string text_key(const SpriteCanvas::TextTemplate& t, std::string_view text) {
    std::string key = std::to_string(t.pixel_height) + ',' + std::to_string(static_cast<int>(t.weight)) + ',' +
                      std::to_string(t.colour) + ',';
    key += text;
    return key;
}

}  // namespace

SpriteCanvas::Picture::Picture(Image pixels) : image(std::move(pixels)), rows(static_cast<std::size_t>(image.height)) {
    for (int y = 0; y < image.height; ++y) {
        const Argb* p = &image.pixels[static_cast<std::size_t>(y) * image.width];
        Row& row = rows[y];
        row.begin = 0;
        while (row.begin < image.width && alpha_of(p[row.begin]) == 0) ++row.begin;
        row.end = image.width;
        while (row.end > row.begin && alpha_of(p[row.end - 1]) == 0) --row.end;
        row.opaque = std::all_of(p + row.begin, p + row.end, [](Argb c) { return alpha_of(c) == 255; });
    }
}

Rect SpriteCanvas::Sprite::bounds() const {
    return picture ? rect_at(left, top, picture->image.width, picture->image.height) : Rect{};
}

SpriteCanvas::SpriteCanvas(int width, int height) : frame_(std::max(width, 0), std::max(height, 0), kGround) {}

SpriteCanvas::~SpriteCanvas() = default;

SpriteCanvas::Sprite* SpriteCanvas::find(int id) {
    auto it = std::lower_bound(sprites_.begin(), sprites_.end(), id, [](const Sprite& s, int v) { return s.id < v; });
    return it != sprites_.end() && it->id == id ? &*it : nullptr;
}

const SpriteCanvas::Sprite* SpriteCanvas::find(int id) const { return const_cast<SpriteCanvas*>(this)->find(id); }

template <typename Change>
void SpriteCanvas::change_sprite(Sprite& sprite, Change change) {
    if (sprite.visible) mark_dirty(sprite.bounds());
    change(sprite);
    if (sprite.visible) mark_dirty(sprite.bounds());
}

void SpriteCanvas::mark_dirty(const Rect& r) {
    const Rect clipped = intersect(r, rect_at(0, 0, frame_.width, frame_.height));
    add_rect(stale_, clipped);
    add_rect(damage_, clipped);
}

int SpriteCanvas::create_sprite(int left, int top, bool visible, const TextTemplate* text_template) {
    Sprite sprite;
    sprite.id = next_id_++;
    sprite.left = left;
    sprite.top = top;
    sprite.visible = visible;
    if (text_template) {
        sprite.is_text = true;
        sprite.text_template = *text_template;
    }
    sprites_.push_back(std::move(sprite));  // no picture yet: nothing to redraw
    return sprites_.back().id;
}

void SpriteCanvas::delete_sprite(int id) {
    Sprite* sprite = find(id);
    if (!sprite) return;
    if (sprite->visible) mark_dirty(sprite->bounds());
    sprites_.erase(sprites_.begin() + (sprite - sprites_.data()));
}

void SpriteCanvas::set_picture(int id, std::span<const std::uint8_t> png) {
    if (!find(id)) return;
    set_picture(id, picture_from_png(png));
}

void SpriteCanvas::set_picture(int id, PictureRef picture) {
    Sprite* sprite = find(id);
    if (!sprite || picture == sprite->picture) return;
    change_sprite(*sprite, [&](Sprite& s) { s.picture = std::move(picture); });
}

SpriteCanvas::PictureRef SpriteCanvas::decode(std::span<const std::uint8_t> png) {
    if (png.empty()) return nullptr;
    auto decoded = decode_png(png);
    return decoded ? std::make_shared<const Picture>(std::move(*decoded)) : nullptr;
}

void SpriteCanvas::set_text(int id, std::string_view gbk_text) {
    Sprite* sprite = find(id);
    if (!sprite || !sprite->is_text) return;
    auto picture = picture_from_text(sprite->text_template, gbk_text);
    if (picture == sprite->picture) return;
    change_sprite(*sprite, [&](Sprite& s) { s.picture = std::move(picture); });
}

void SpriteCanvas::set_visible(int id, bool visible) {
    Sprite* sprite = find(id);
    if (!sprite || sprite->visible == visible) return;
    mark_dirty(sprite->bounds());
    sprite->visible = visible;
}

void SpriteCanvas::move(int id, int left, int top) {
    Sprite* sprite = find(id);
    if (!sprite || (sprite->left == left && sprite->top == top)) return;
    change_sprite(*sprite, [&](Sprite& s) {
        s.left = left;
        s.top = top;
    });
}

bool SpriteCanvas::exists(int id) const { return find(id) != nullptr; }

bool SpriteCanvas::visible(int id) const {
    const Sprite* sprite = find(id);
    return sprite && sprite->visible;
}

int SpriteCanvas::sprite_width(int id) const {
    const Sprite* sprite = find(id);
    return sprite && sprite->picture ? sprite->picture->image.width : 0;
}

int SpriteCanvas::sprite_left(int id) const {
    const Sprite* sprite = find(id);
    return sprite ? sprite->left : 0;
}

int SpriteCanvas::sprite_top(int id) const {
    const Sprite* sprite = find(id);
    return sprite ? sprite->top : 0;
}

Rect SpriteCanvas::sprite_bounds(int id) const {
    const Sprite* sprite = find(id);
    return sprite && sprite->visible ? intersect(sprite->bounds(), rect_at(0, 0, frame_.width, frame_.height)) : Rect{};
}

int SpriteCanvas::hit_test(int x, int y) const {
    for (auto it = sprites_.rbegin(); it != sprites_.rend(); ++it) {
        if (!it->visible || !it->bounds().contains(x, y)) continue;
        if (alpha_of(it->picture->image.at(x - it->left, y - it->top)) > 0) return it->id;
    }
    return -1;
}

// Every pixel of r is rebuilt from the ground up, so its value depends only on the sprites
// over it, whichever rectangle it was recomposed with.
void SpriteCanvas::compose(const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        std::fill_n(&frame_.at(r.left, y), r.width(), kGround);
    for (const Sprite& sprite : sprites_) {
        if (!sprite.visible) continue;
        const Rect part = intersect(sprite.bounds(), r);
        if (part.empty()) continue;
        const Picture& picture = *sprite.picture;
        for (int y = part.top; y < part.bottom; ++y) {
            const Picture::Row& row = picture.rows[y - sprite.top];
            const int left = std::max(part.left, sprite.left + row.begin);
            const int right = std::min(part.right, sprite.left + row.end);
            if (left >= right) continue;
            const Argb* src = picture.image.pixels.data() +
                              static_cast<std::size_t>(y - sprite.top) * picture.image.width + (left - sprite.left);
            Argb* dst = &frame_.at(left, y);
            if (row.opaque) {
                std::memcpy(dst, src, sizeof(Argb) * static_cast<std::size_t>(right - left));
                continue;
            }
            for (int n = right - left; n > 0; --n, ++src, ++dst) *dst = blend(*dst, *src);
        }
    }
}

const Image& SpriteCanvas::composed() {
    coalesce(stale_);
    for (const Rect& r : stale_) compose(r);
    stale_.clear();
    return frame_;
}

std::vector<Rect> SpriteCanvas::take_damage() {
    coalesce(damage_);
    std::vector<Rect> damage;
    damage.swap(damage_);
    return damage;
}

// Pictures are cached by where their bytes live, since the same embedded PNGs are set on
// many sprites; the kept copy of the bytes guards against a buffer reused for other bytes.
std::shared_ptr<const SpriteCanvas::Picture> SpriteCanvas::picture_from_png(std::span<const std::uint8_t> png) {
    if (png.empty()) return nullptr;
    const auto key = std::make_pair(png.data(), png.size());
    if (auto it = png_cache_.find(key); it != png_cache_.end()) {
        if (std::memcmp(it->second.bytes.data(), png.data(), png.size()) == 0) return it->second.picture;
        png_cache_.erase(it);
    }
    PictureRef picture = decode(png);
    if (png_cache_.size() >= kMaxCachedPngs) png_cache_.clear();
    png_cache_.emplace(key, CachedPng{std::vector<std::uint8_t>(png.begin(), png.end()), picture});
    return picture;
}

// The move counter changes on every animation frame; each text is rendered once.
std::shared_ptr<const SpriteCanvas::Picture> SpriteCanvas::picture_from_text(const TextTemplate& t, std::string_view gbk_text) {
    if (gbk_text.empty()) return nullptr;
    std::string key = text_key(t, gbk_text);
    if (auto it = text_cache_.find(key); it != text_cache_.end()) return it->second;

    std::shared_ptr<const Picture> picture;
    if (const Font* f = font()) {
        const TextMask mask = f->render(utf8_to_utf32(gbk_to_utf8(gbk_text)), t.pixel_height, t.weight);
        if (mask.width > 0 && mask.height > 0) {
            Image image(mask.width, mask.height);
            const Argb rgb = t.colour & 0x00FFFFFFu;
            const int colour_alpha = alpha_of(t.colour);
            for (std::size_t i = 0; i < image.pixels.size(); ++i) {
                const auto a = static_cast<Argb>((mask.coverage[i] * colour_alpha + 127) / 255);
                image.pixels[i] = rgb | a << 24;
            }
            picture = std::make_shared<const Picture>(std::move(image));
        }
    }
    if (text_cache_.size() >= kMaxCachedTexts) text_cache_.clear();
    text_cache_.emplace(std::move(key), picture);
    return picture;
}

const Font* SpriteCanvas::font() {
    if (!font_looked_up_) {
        font_looked_up_ = true;
        if (auto file = Font::find_song()) font_ = Font::open(*file);
    }
    return font_.get();
}

}  // namespace kelvara
