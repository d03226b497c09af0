#pragma once
// The canvas the board is composed on: numbered sprites (pictures and text lines) drawn
// in creation order over an opaque black ground. The board view, its on-screen display,
// the BMP snapshot and every animation frame are cut from the composed picture.
//
// The canvas recomposes only what changed since it was last composed, and it reports the
// changed rectangles (take_damage) so that the animation maker compares only those.
// A canvas is used by one thread at a time; canvases share nothing.

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/font.h"
#include "platform/image.h"
#include "platform/rect.h"

namespace kelvara {

class SpriteCanvas {
public:
    // The font and colour of a text sprite. Every face is drawn with the Song-style font.
    struct TextTemplate {
        std::string font_face;  // GBK, such as "宋体"
        int pixel_height = 12;
        Weight weight = Weight::Normal;
        Argb colour = argb(0, 0, 0);
    };

    // A sprite's picture with, for each row, the span where it is not fully transparent
    // and whether that span is fully opaque, so that composing copies or skips whole runs.
    // Immutable: one picture can serve sprites on any number of canvases and threads.
    struct Picture {
        struct Row {
            int begin = 0;
            int end = 0;  // exclusive; begin == end: nothing to draw
            bool opaque = false;
        };
        explicit Picture(Image pixels);
        Image image;
        std::vector<Row> rows;
    };
    using PictureRef = std::shared_ptr<const Picture>;
    // The picture of PNG bytes; null for bytes that are empty or not a PNG.
    static PictureRef decode(std::span<const std::uint8_t> png);

    SpriteCanvas(int width, int height);
    ~SpriteCanvas();
    SpriteCanvas(const SpriteCanvas&) = delete;
    SpriteCanvas& operator=(const SpriteCanvas&) = delete;

    int width() const { return frame_.width; }
    int height() const { return frame_.height; }

    // Ids run 1, 2, 3, ... in creation order and are never reused; later sprites lie over
    // earlier ones. A sprite made from a template is a text sprite.
    int create_sprite(int left, int top, bool visible, const TextTemplate* text_template = nullptr);
    // Operations on an id that does not exist are ignored.
    void delete_sprite(int id);
    // PNG bytes with their own alpha; bytes that are empty or not a PNG leave no picture.
    void set_picture(int id, std::span<const std::uint8_t> png);
    // A picture decoded beforehand; null leaves no picture.
    void set_picture(int id, PictureRef picture);
    // The text (GBK) of a text sprite, in its template's font and colour, no background.
    void set_text(int id, std::string_view gbk_text);
    void set_visible(int id, bool visible);
    void move(int id, int left, int top);

    bool exists(int id) const;
    bool visible(int id) const;
    int sprite_width(int id) const;
    int sprite_left(int id) const;
    int sprite_top(int id) const;
    // Where a visible sprite's picture lies on the canvas; empty when nothing of it shows.
    Rect sprite_bounds(int id) const;

    // The topmost visible sprite whose pixel at (x, y) is not fully transparent; -1: none.
    int hit_test(int x, int y) const;

    // The whole canvas, brought up to date.
    const Image& composed();

    // Rectangles, inside the canvas and possibly overlapping, that hold every pixel that
    // may have changed since the previous call (since construction for the first call);
    // empty when nothing changed. Starts a new collection.
    std::vector<Rect> take_damage();

private:
    struct Sprite {
        int id = 0;
        int left = 0;
        int top = 0;
        bool visible = false;
        bool is_text = false;
        TextTemplate text_template;
        std::shared_ptr<const Picture> picture;  // null: nothing to draw
        Rect bounds() const;
    };
    struct CachedPng {
        std::vector<std::uint8_t> bytes;  // to tell a reused buffer from the one cached
        std::shared_ptr<const Picture> picture;
    };

    Sprite* find(int id);
    const Sprite* find(int id) const;
    // Runs change on the sprite and marks what it covered before and after as changed.
    template <typename Change>
    void change_sprite(Sprite& sprite, Change change);
    void mark_dirty(const Rect& r);
    void compose(const Rect& r);
    std::shared_ptr<const Picture> picture_from_png(std::span<const std::uint8_t> png);
    std::shared_ptr<const Picture> picture_from_text(const TextTemplate& t, std::string_view gbk_text);
    const Font* font();

    Image frame_;
    std::vector<Sprite> sprites_;  // ascending ids, which is the drawing order
    int next_id_ = 1;
    std::vector<Rect> stale_;   // still to recompose
    std::vector<Rect> damage_;  // changed since the last take_damage
    std::map<std::pair<const std::uint8_t*, std::size_t>, CachedPng> png_cache_;
    std::map<std::string, std::shared_ptr<const Picture>> text_cache_;
    std::unique_ptr<Font> font_;
    bool font_looked_up_ = false;
};

}  // namespace kelvara
