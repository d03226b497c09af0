#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace kelvara {

namespace {

// A rendered bitmap as coverage from 0 to 255, row by row.
struct Coverage {
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> values;
};

}  // namespace

struct Font::Impl {
    // A character rendered at one size and weight: its coverage and where it goes.
    struct Glyph {
        bool loaded = false;
        int left = 0;     // from the pen position
        int top = 0;      // rows above the baseline
        int advance = 0;  // whole pixels
        Coverage coverage;
    };

    FT_Library library = nullptr;
    FT_Face face = nullptr;
    // Rendering does not depend on where a glyph lands, so each is rendered once: the
    // move counter draws a new text for every animation picture from a dozen characters.
    std::map<std::tuple<char32_t, int, Weight>, Glyph> glyphs;

    const Glyph& glyph(char32_t ch, int pixel_height, Weight weight);
};

namespace {

constexpr std::size_t kMaxCachedGlyphs = 4096;

// Emboldening strength for weight 700, as a fraction of the em size.
constexpr double kBoldStrength = 1.0 / 24.0;

Coverage coverage_of(const FT_Bitmap& bm) {
    Coverage c{static_cast<int>(bm.width), static_cast<int>(bm.rows), {}};
    c.values.assign(static_cast<std::size_t>(c.width) * c.rows, 0);
    for (int row = 0; row < c.rows; ++row) {
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
        for (int col = 0; col < c.width; ++col)
            c.values[static_cast<std::size_t>(row) * c.width + col] =
                bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((src[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0) : src[col];
    }
    return c;
}

// Copies the coverage into the mask with its top-left at (x0, y0), keeping the larger
// coverage where glyphs overlap.
void blit(const Coverage& c, TextMask& mask, int x0, int y0) {
    for (int row = 0; row < c.rows; ++row) {
        const int y = y0 + row;
        if (y < 0 || y >= mask.height) continue;
        for (int col = 0; col < c.width; ++col) {
            const int x = x0 + col;
            if (x < 0 || x >= mask.width) continue;
            auto& dst = mask.coverage[static_cast<std::size_t>(y) * mask.width + x];
            dst = std::max(dst, c.values[static_cast<std::size_t>(row) * c.width + col]);
        }
    }
}

bool load_glyph(FT_Face face, char32_t ch, Weight weight) {
    if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT) != 0) return false;
    if (weight == Weight::Bold) {
        FT_GlyphSlot slot = face->glyph;
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            const FT_Pos strength = static_cast<FT_Pos>(std::lround(face->size->metrics.y_ppem * 64 * kBoldStrength));
            FT_Outline_Embolden(&slot->outline, strength);
        } else {
            FT_GlyphSlot_Embolden(slot);
        }
    }
    return FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
}

}  // namespace

// The face must be set to pixel_height.
const Font::Impl::Glyph& Font::Impl::glyph(char32_t ch, int pixel_height, Weight weight) {
    const auto key = std::make_tuple(ch, pixel_height, weight);
    if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
    if (glyphs.size() >= kMaxCachedGlyphs) glyphs.clear();
    Glyph& g = glyphs[key];
    if (!load_glyph(face, ch, weight)) return g;
    const FT_GlyphSlot slot = face->glyph;
    g.loaded = true;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.coverage = coverage_of(slot->bitmap);
    return g;
}

std::optional<std::filesystem::path> Font::find(std::string_view family) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return std::nullopt;
    std::optional<std::filesystem::path> found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(std::string(family).c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_FAMILY, nullptr);
    if (FcFontSet* set = FcFontList(config, pattern, objects)) {
        std::vector<std::string> files;
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                files.emplace_back(reinterpret_cast<const char*>(file));
        }
        std::sort(files.begin(), files.end());  // the same font on every run
        if (!files.empty()) found = files.front();
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return found;
}

// Looked up once per process: every canvas asks, and loading fontconfig's configuration
// takes milliseconds. (fontconfig's own shared configuration would do too, but it is
// never released.)
std::optional<std::filesystem::path> Font::find_song() {
    static const std::optional<std::filesystem::path> song = find("AR PL UMing CN");
    return song;
}

std::unique_ptr<Font> Font::open(const std::filesystem::path& file, int face_index) {
    std::unique_ptr<Font> font(new Font);
    font->impl_ = std::make_unique<Impl>();
    if (FT_Init_FreeType(&font->impl_->library) != 0) return nullptr;
    if (FT_New_Face(font->impl_->library, file.c_str(), face_index, &font->impl_->face) != 0) return nullptr;
    return font;
}

Font::~Font() {
    if (!impl_) return;
    if (impl_->face) FT_Done_Face(impl_->face);
    if (impl_->library) FT_Done_FreeType(impl_->library);
}

TextMask Font::render(std::u32string_view text, int pixel_height, Weight weight) const {
    TextMask mask;
    FT_Face face = impl_->face;
    if (pixel_height <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_height)) != 0) return mask;
    const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descender = static_cast<int>(-(face->size->metrics.descender >> 6));
    mask.baseline = ascender;
    mask.height = ascender + descender;
    // First pass: the width from the advances; second pass: the pixels.
    int width = 0;
    for (char32_t ch : text)
        if (const Impl::Glyph& g = impl_->glyph(ch, pixel_height, weight); g.loaded) width += g.advance;
    mask.width = width;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    int pen = 0;
    for (char32_t ch : text) {
        const Impl::Glyph& g = impl_->glyph(ch, pixel_height, weight);
        if (!g.loaded) continue;
        blit(g.coverage, mask, pen + g.left, ascender - g.top);
        pen += g.advance;
    }
    return mask;
}

bool Font::load_centred(char32_t ch, int box_size, Weight weight) const {
    FT_Face face = impl_->face;
    // Scale by the glyph's outline box so that every character fills the box alike;
    // embedded bitmaps are skipped so that the outline is always used.
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(box_size)) != 0) return false;
    if (FT_Load_Char(face, ch, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return false;
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    const double extent = std::max(box.xMax - box.xMin, box.yMax - box.yMin) / 64.0;
    if (extent <= 0) return false;
    const int size = std::max(1, static_cast<int>(std::lround(box_size * box_size / extent)));
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
    if (FT_Load_Char(face, ch, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    if (weight == Weight::Bold)
        FT_Outline_Embolden(&slot->outline, static_cast<FT_Pos>(std::lround(size * 64 * kBoldStrength)));
    FT_Outline_Get_CBox(&slot->outline, &box);
    // Centre the outline box in the mask, on whole-pixel offsets in 26.6 units.
    const FT_Pos dx = static_cast<FT_Pos>(std::lround((box_size * 64 - (box.xMax - box.xMin)) / 2.0)) - box.xMin;
    const FT_Pos dy = static_cast<FT_Pos>(std::lround((box_size * 64 - (box.yMax - box.yMin)) / 2.0)) - box.yMin;
    FT_Outline_Translate(&slot->outline, dx, dy);
    return true;
}

TextMask Font::render_centred(char32_t ch, int box_size, Weight weight) const {
    TextMask mask;
    mask.width = mask.height = box_size;
    mask.coverage.assign(static_cast<std::size_t>(box_size) * box_size, 0);
    if (!load_centred(ch, box_size, weight)) return mask;
    FT_GlyphSlot slot = impl_->face->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return mask;
    blit(coverage_of(slot->bitmap), mask, slot->bitmap_left, box_size - slot->bitmap_top);
    return mask;
}

std::vector<OutlineStep> Font::outline_centred(char32_t ch, int box_size, Weight weight) const {
    struct Steps {
        std::vector<OutlineStep> steps;
        double box;
        // 26.6 units with y up from the box's bottom, to pixels with y down.
        OutlineStep::Point at(const FT_Vector* v) const { return {v->x / 64.0, box - v->y / 64.0}; }
    } out{{}, static_cast<double>(box_size)};
    if (!load_centred(ch, box_size, weight)) return {};
    FT_Outline_Funcs funcs{};
    funcs.move_to = [](const FT_Vector* to, void* user) {
        auto* o = static_cast<Steps*>(user);
        o->steps.push_back({OutlineStep::Kind::Move, o->at(to)});
        return 0;
    };
    funcs.line_to = [](const FT_Vector* to, void* user) {
        auto* o = static_cast<Steps*>(user);
        o->steps.push_back({OutlineStep::Kind::Line, o->at(to)});
        return 0;
    };
    funcs.conic_to = [](const FT_Vector* control, const FT_Vector* to, void* user) {
        auto* o = static_cast<Steps*>(user);
        o->steps.push_back({OutlineStep::Kind::Quadratic, o->at(to), o->at(control)});
        return 0;
    };
    funcs.cubic_to = [](const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
        auto* o = static_cast<Steps*>(user);
        o->steps.push_back({OutlineStep::Kind::Cubic, o->at(to), o->at(control1), o->at(control2)});
        return 0;
    };
    if (FT_Outline_Decompose(&impl_->face->glyph->outline, &funcs, &out) != 0) return {};
    return out.steps;
}

}  // namespace kelvara
