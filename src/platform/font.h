#pragma once
// Text rendered with FreeType into 8-bit coverage masks. The program draws its Chinese
// text with a Song-style font that covers GBK (AR PL UMing), found through fontconfig.
// A Font is not shared between threads: every canvas opens its own.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// Coverage 0-255 per pixel, rows top to bottom. `baseline` is the row of the baseline.
struct TextMask {
    int width = 0;
    int height = 0;
    int baseline = 0;
    std::vector<std::uint8_t> coverage;
    std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

enum class Weight { Normal = 400, Bold = 700 };

// One step along a glyph's outline, for vector pictures: a move or a line to `to`, or a
// quadratic or cubic curve through the control points. Pixels, y downwards.
struct OutlineStep {
    enum class Kind { Move, Line, Quadratic, Cubic };
    struct Point {
        double x;
        double y;
    };
    Kind kind;
    Point to;
    Point control1{};  // Quadratic and Cubic
    Point control2{};  // Cubic
};

class Font {
public:
    // The file of the first installed font that matches family (fontconfig pattern), or
    // nullopt when fontconfig finds no font of that family.
    static std::optional<std::filesystem::path> find(std::string_view family);
    // The Song-style font for the program's Chinese text: AR PL UMing CN, as found on the
    // first call.
    static std::optional<std::filesystem::path> find_song();
    // nullptr when the file cannot be opened as a font.
    static std::unique_ptr<Font> open(const std::filesystem::path& file, int face_index = 0);

    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Text in UTF-32 at a pixel height (the em size). The mask is as wide as the pen
    // advance of the text and as high as the font's line (ascender to descender).
    // With embedded bitmaps at that size, the font's own hinted bitmaps are used.
    TextMask render(std::u32string_view text, int pixel_height, Weight weight) const;
    // A single character scaled so that its outline fills box_size pixels, centred:
    // large glyphs for pictures such as the piece discs.
    TextMask render_centred(char32_t ch, int box_size, Weight weight) const;
    // The outline that render_centred fills, in the same box; empty when the font has
    // no outline for the character.
    std::vector<OutlineStep> outline_centred(char32_t ch, int box_size, Weight weight) const;

private:
    Font() = default;
    // Loads the character's outline into the glyph slot, scaled and centred as
    // render_centred draws it; false when there is none.
    bool load_centred(char32_t ch, int box_size, Weight weight) const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kelvara
