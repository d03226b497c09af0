// The outline of a centred character is the shape render_centred fills: the same box, y
// downwards, so that a vector icon and its pictures agree.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/font.h"

namespace kelvara {
namespace {

TEST(FontOutline, LiesWhereTheRenderedGlyphsInkIs) {
    const auto file = Font::find_song();
    if (!file) GTEST_SKIP() << "the Song-style font is not installed";
    const auto font = Font::open(*file);
    ASSERT_TRUE(font);
    constexpr int kBox = 34;
    for (char32_t ch : {U'帥', U'一', U'卒'}) {
        const auto steps = font->outline_centred(ch, kBox, Weight::Bold);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.front().kind, OutlineStep::Kind::Move);
        double left = kBox, right = 0, top = kBox, bottom = 0;
        for (const OutlineStep& s : steps) {
            left = std::min(left, s.to.x), right = std::max(right, s.to.x);
            top = std::min(top, s.to.y), bottom = std::max(bottom, s.to.y);
        }
        const TextMask mask = font->render_centred(ch, kBox, Weight::Bold);
        int ink_left = kBox, ink_right = -1, ink_top = kBox, ink_bottom = -1;
        for (int y = 0; y < mask.height; ++y)
            for (int x = 0; x < mask.width; ++x)
                if (mask.at(x, y) > 127) {
                    ink_left = std::min(ink_left, x), ink_right = std::max(ink_right, x);
                    ink_top = std::min(ink_top, y), ink_bottom = std::max(ink_bottom, y);
                }
        // The outline's box holds the half-covered pixels, within a pixel at each side.
        EXPECT_NEAR(left, ink_left, 1.0);
        EXPECT_NEAR(right, ink_right + 1, 1.0);
        EXPECT_NEAR(top, ink_top, 1.0) << "the outline is upside down";
        EXPECT_NEAR(bottom, ink_bottom + 1, 1.0);
    }
}

}  // namespace
}  // namespace kelvara
