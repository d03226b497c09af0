#include "platform/sprite_canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <thread>

#include "platform/bmp_codec.h"
#include "platform/png_codec.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes solid_png(int w, int h, Argb colour) { return encode_png(Image(w, h, colour)); }

// A 26x26 disc on a transparent ground, like a piece picture.
Bytes disc_png(Argb colour) {
    Image image(26, 26, 0);
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 26; ++x)
            if ((x - 12.5) * (x - 12.5) + (y - 12.5) * (y - 12.5) <= 12 * 12) image.at(x, y) = colour;
    return encode_png(image);
}

const SpriteCanvas::TextTemplate kCounterTemplate{test::G("宋体"), 12, Weight::Bold, argb(190, 76, 75)};

bool have_font() { return Font::find_song().has_value(); }

TEST(SpriteCanvas, IdsAreNeverReusedAndUnknownIdsAreIgnored) {
    SpriteCanvas canvas(40, 40);
    const Bytes red = solid_png(10, 10, argb(255, 0, 0));
    EXPECT_EQ(canvas.create_sprite(0, 0, true), 1);
    const int id = canvas.create_sprite(0, 0, true);
    EXPECT_EQ(id, 2);
    canvas.set_picture(id, red);
    canvas.delete_sprite(id);
    canvas.delete_sprite(1);
    EXPECT_EQ(canvas.create_sprite(0, 0, true), 3);
    const Image before = canvas.composed();
    canvas.take_damage();
    for (int unknown : {0, -1, id, 99}) {
        canvas.set_picture(unknown, red);
        canvas.set_text(unknown, "1-0");
        canvas.set_visible(unknown, true);
        canvas.move(unknown, 5, 5);
        canvas.delete_sprite(unknown);
        EXPECT_FALSE(canvas.exists(unknown));
        EXPECT_EQ(canvas.sprite_width(unknown), 0);
    }
    EXPECT_TRUE(canvas.take_damage().empty());
    EXPECT_EQ(canvas.composed(), before);
    EXPECT_EQ(canvas.hit_test(1, 1), -1);
}

TEST(SpriteCanvas, LaterSpritesLieOverEarlierOnesOnAnOpaqueBlackGround) {
    SpriteCanvas canvas(30, 30);
    EXPECT_EQ(canvas.composed().at(29, 29), argb(0, 0, 0));
    const int lower = canvas.create_sprite(0, 0, true);
    const int upper = canvas.create_sprite(5, 5, true);
    canvas.set_picture(upper, solid_png(10, 10, argb(0, 0, 255)));
    canvas.set_picture(lower, solid_png(10, 10, argb(255, 0, 0)));  // set last, still drawn first
    const Image& picture = canvas.composed();
    EXPECT_EQ(picture.at(2, 2), argb(255, 0, 0));
    EXPECT_EQ(picture.at(7, 7), argb(0, 0, 255));
    EXPECT_EQ(picture.at(20, 20), argb(0, 0, 0));
    EXPECT_EQ(canvas.sprite_width(lower), 10);
}

TEST(SpriteCanvas, TranslucentPixelsBlendWithStraightAlphaAndStayOpaque) {
    SpriteCanvas canvas(26, 26);
    canvas.set_picture(canvas.create_sprite(0, 0, true), solid_png(26, 26, argb(200, 100, 0)));
    canvas.set_picture(canvas.create_sprite(0, 0, true), solid_png(26, 26, argb(0, 255, 51, 64)));
    canvas.set_picture(canvas.create_sprite(0, 0, true), disc_png(argb(9, 9, 9)));
    // (src * 64 + dst * 191 + 127) / 255 per channel; the disc's clear corner adds nothing
    EXPECT_EQ(canvas.composed().at(0, 0), argb(150, 139, 13, 255));
}

TEST(SpriteCanvas, UndecodablePicturesLeaveTheSpriteEmpty) {
    SpriteCanvas canvas(20, 20);
    const int id = canvas.create_sprite(0, 0, true);
    canvas.set_picture(id, solid_png(8, 8, argb(9, 9, 9)));
    const Bytes junk{1, 2, 3, 4};
    canvas.set_picture(id, junk);
    EXPECT_EQ(canvas.sprite_width(id), 0);
    EXPECT_EQ(canvas.hit_test(2, 2), -1);
    EXPECT_EQ(canvas.composed(), Image(20, 20, argb(0, 0, 0)));
}

TEST(SpriteCanvas, PictureCacheNoticesABufferReusedForOtherBytes) {
    Bytes red = solid_png(6, 6, argb(255, 0, 0));
    Bytes blue = solid_png(6, 6, argb(0, 0, 255));
    const std::size_t size = std::max(red.size(), blue.size());
    red.resize(size);  // bytes after the end of a PNG are ignored
    blue.resize(size);
    SpriteCanvas canvas(12, 6);
    Bytes buffer = red;
    canvas.set_picture(canvas.create_sprite(0, 0, true), buffer);
    buffer = blue;  // same storage, same size, other picture
    canvas.set_picture(canvas.create_sprite(6, 0, true), buffer);
    EXPECT_EQ(canvas.composed().at(1, 1), argb(255, 0, 0));
    EXPECT_EQ(canvas.composed().at(7, 1), argb(0, 0, 255));
}

TEST(SpriteCanvas, HitTestFindsTheTopmostVisibleOpaquePixel) {
    SpriteCanvas canvas(60, 60);
    const int board = canvas.create_sprite(0, 0, true);
    canvas.set_picture(board, solid_png(60, 60, argb(180, 196, 184)));
    const int marker = canvas.create_sprite(10, 10, true);
    canvas.set_picture(marker, solid_png(26, 26, argb(0, 0, 255)));
    const int piece = canvas.create_sprite(10, 10, true);
    canvas.set_picture(piece, disc_png(argb(200, 0, 0)));
    canvas.create_sprite(10, 10, true);  // no picture: never found

    EXPECT_EQ(canvas.hit_test(22, 22), piece);   // the disc's centre
    EXPECT_EQ(canvas.hit_test(10, 10), marker);  // the disc's transparent corner lets it through
    EXPECT_EQ(canvas.hit_test(50, 50), board);
    canvas.set_visible(piece, false);
    EXPECT_EQ(canvas.hit_test(22, 22), marker);
    canvas.delete_sprite(marker);
    EXPECT_EQ(canvas.hit_test(22, 22), board);
    EXPECT_EQ(canvas.hit_test(-1, 5), -1);
    EXPECT_EQ(canvas.hit_test(60, 5), -1);
}

TEST(SpriteCanvas, TextWidthFollowsTheText) {
    if (!have_font()) GTEST_SKIP() << "the Song-style font is not installed";
    SpriteCanvas canvas(260, 330);
    const int counter = canvas.create_sprite(204, 312, true, &kCounterTemplate);
    EXPECT_EQ(canvas.sprite_width(counter), 0);
    canvas.set_text(counter, "45-3");
    const int short_width = canvas.sprite_width(counter);
    EXPECT_GT(short_width, 0);
    canvas.set_text(counter, "155-103");
    EXPECT_GT(canvas.sprite_width(counter), short_width);
    canvas.set_text(counter, "");
    EXPECT_EQ(canvas.sprite_width(counter), 0);

    SpriteCanvas::TextTemplate title_template{test::G("宋体"), 14, Weight::Normal, argb(190, 76, 75)};
    const int title = canvas.create_sprite(5, 6, true, &title_template);
    canvas.set_text(title, test::G("第一局 中炮对屏风马"));
    EXPECT_GT(canvas.sprite_width(title), 9 * 10);

    // Drawn in the template's colour with no background: some pixel is the colour itself,
    // and a pixel between the glyphs shows the ground.
    const Image& picture = canvas.composed();
    bool colour_seen = false;
    for (int y = 6; y < 26; ++y)
        for (int x = 5; x < 5 + canvas.sprite_width(title); ++x) colour_seen |= picture.at(x, y) == argb(190, 76, 75);
    EXPECT_TRUE(colour_seen);
    EXPECT_EQ(picture.at(5, 6), argb(0, 0, 0));
}

TEST(SpriteCanvasDamage, CoversWhatChangedAndNothingWhenNothingDid) {
    SpriteCanvas canvas(100, 100);
    const int id = canvas.create_sprite(10, 10, true);
    const Bytes red = solid_png(20, 20, argb(255, 0, 0));
    canvas.set_picture(id, red);
    EXPECT_EQ(canvas.take_damage(), (std::vector<Rect>{{10, 10, 30, 30}}));
    EXPECT_TRUE(canvas.take_damage().empty());

    canvas.move(id, 10, 10);
    canvas.set_visible(id, true);
    canvas.set_picture(id, red);
    canvas.set_visible(canvas.create_sprite(0, 0, false), false);
    EXPECT_TRUE(canvas.take_damage().empty());

    canvas.set_visible(id, false);
    canvas.move(id, -10, 90);  // hidden: nothing on the picture moves
    EXPECT_EQ(canvas.take_damage(), (std::vector<Rect>{{10, 10, 30, 30}}));
    canvas.set_visible(id, true);  // reported clipped to the canvas
    EXPECT_EQ(canvas.take_damage(), (std::vector<Rect>{{0, 90, 10, 100}}));
    canvas.move(id, INT_MAX - 5, INT_MIN);  // far off: its edges must not overflow
    EXPECT_EQ(canvas.take_damage(), (std::vector<Rect>{{0, 90, 10, 100}}));
    EXPECT_EQ(canvas.composed(), Image(100, 100, argb(0, 0, 0)));
}

// A sprite as the random test keeps it, to build the same scene on a fresh canvas.
struct ModelSprite {
    int id;
    int left, top;
    bool visible;
    bool is_text;
    int picture;  // index into the pictures, -1: none
    std::string text;
};

void build_scene(SpriteCanvas& canvas, const std::vector<ModelSprite>& model, const std::vector<Bytes>& pictures) {
    for (const ModelSprite& m : model) {
        const int id = canvas.create_sprite(m.left, m.top, m.visible, m.is_text ? &kCounterTemplate : nullptr);
        if (m.picture >= 0) canvas.set_picture(id, pictures[static_cast<std::size_t>(m.picture)]);
        if (m.is_text) canvas.set_text(id, m.text);
    }
}

// The incrementally composed picture always equals one composed from scratch, and every
// pixel that changed lies in the reported damage.
TEST(SpriteCanvasDamage, IncrementalCompositionMatchesAFreshCanvasUnderRandomOperations) {
    const std::vector<Bytes> pictures{
        solid_png(90, 70, argb(180, 196, 184)), disc_png(argb(200, 30, 30)), disc_png(argb(20, 20, 20, 160)),
        solid_png(26, 26, argb(0, 0, 255, 90)), solid_png(150, 8, argb(10, 200, 10)), Bytes{},
    };
    constexpr int kWidth = 90, kHeight = 70;
    std::mt19937 rng(20240611);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    SpriteCanvas canvas(kWidth, kHeight);
    std::vector<ModelSprite> model;
    Image previous = canvas.composed();
    for (int round = 0; round < 60; ++round) {
        for (int step = pick(1, 6); step > 0; --step) {
            const int op = model.empty() ? 0 : pick(0, 6);
            ModelSprite* m = model.empty() ? nullptr : &model[static_cast<std::size_t>(pick(0, int(model.size()) - 1))];
            if (op == 0 || model.size() < 3) {
                const bool text = pick(0, 4) == 0;
                ModelSprite s{0, pick(-30, kWidth), pick(-30, kHeight), pick(0, 3) != 0, text, -1, ""};
                s.id = canvas.create_sprite(s.left, s.top, s.visible, text ? &kCounterTemplate : nullptr);
                model.push_back(s);
            } else if (op == 1) {
                canvas.delete_sprite(m->id);
                model.erase(model.begin() + (m - model.data()));
            } else if (op == 2 || op == 3) {
                m->left = pick(-30, kWidth);
                m->top = pick(-30, kHeight);
                canvas.move(m->id, m->left, m->top);
            } else if (op == 4) {
                m->visible = !m->visible;
                canvas.set_visible(m->id, m->visible);
            } else if (m->is_text) {
                m->text = std::to_string(pick(1, 200)) + "-" + std::to_string(pick(0, 200));
                if (pick(0, 5) == 0) m->text.clear();
                canvas.set_text(m->id, m->text);
            } else {
                m->picture = pick(0, int(pictures.size()) - 1);
                canvas.set_picture(m->id, pictures[static_cast<std::size_t>(m->picture)]);
            }
        }

        const Image current = canvas.composed();
        const auto damage = canvas.take_damage();
        for (const Rect& r : damage) {
            EXPECT_FALSE(r.empty());
            EXPECT_TRUE(rect_at(0, 0, kWidth, kHeight).contains(r));
        }
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                if (current.at(x, y) == previous.at(x, y)) continue;
                const bool covered = std::any_of(damage.begin(), damage.end(), [&](const Rect& r) { return r.contains(x, y); });
                ASSERT_TRUE(covered) << "round " << round << ": pixel " << x << "," << y << " changed outside the damage";
            }
        if (round % 6 == 5) {
            SpriteCanvas fresh(kWidth, kHeight);
            build_scene(fresh, model, pictures);
            ASSERT_EQ(fresh.composed(), current) << "round " << round;
        }
        previous = current;
    }
}

TEST(SpriteCanvas, CanvasesOnDifferentThreadsAreIndependent) {
    const Bytes board = solid_png(260, 330, argb(180, 196, 184));
    const Bytes piece = disc_png(argb(200, 0, 0));
    const auto make = [&](Image& out) {
        SpriteCanvas canvas(260, 330);
        canvas.set_picture(canvas.create_sprite(0, 0, true), board);
        const int counter = canvas.create_sprite(204, 312, true, &kCounterTemplate);
        const int id = canvas.create_sprite(14, 36, true);
        canvas.set_picture(id, piece);
        for (int i = 0; i < 40; ++i) {  // each canvas renders with its own font
            canvas.move(id, 14 + 26 * (i % 9), 36 + 26 * (i % 10));
            canvas.set_text(counter, "40-" + std::to_string(i));
            canvas.composed();
        }
        out = canvas.composed();
    };
    Image a, b;
    std::thread first(make, std::ref(a));
    std::thread second(make, std::ref(b));
    first.join();
    second.join();
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace kelvara
