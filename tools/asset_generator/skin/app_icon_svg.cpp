#include "skin/app_icon_svg.h"

#include <cmath>
#include <cstdio>

#include "skin/app_icon.h"
#include "skin/skin_colours.h"
#include "skin/skin_paint.h"

namespace kelvara::generator::skin {

namespace {

// The design of the pictures (app_icon.cpp), in its 64-pixel units.
constexpr double kCentreX = 31.5, kCentreY = 31.0, kRadius = 29.5, kRim = 3.2, kGroove = 1.0;
constexpr int kCharacterBox = 34;
constexpr int kCharacterCorner = 15;
constexpr Argb kDisc = argb(196, 32, 28);
constexpr Argb kRimGold = argb(214, 172, 66);

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string colour(Argb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red_of(c), green_of(c), blue_of(c));
    return text;
}

// The pictures light a disc by (cy − y) + (cx − x)/2 across it, towards the top left;
// in SVG that is a linear gradient along that direction, darkest at the far end.
std::string lit_gradient(const std::string& id, Argb base, double strength) {
    const double length = std::hypot(0.5, 1.0);
    const double ux = -0.5 / length, uy = -1.0 / length;
    const double reach = kRadius * length;  // the largest value of the lighting term
    const double t = reach / (kRadius * 1.5) * std::abs(strength);
    const Argb bright = mix(base, argb(255, 255, 255), t), dark = mix(base, argb(0, 0, 0), t);
    const Argb near_light = strength >= 0 ? bright : dark, far = strength >= 0 ? dark : bright;
    return "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" +
           number(kCentreX - ux * kRadius) + "\" y1=\"" + number(kCentreY - uy * kRadius) + "\" x2=\"" +
           number(kCentreX + ux * kRadius) + "\" y2=\"" + number(kCentreY + uy * kRadius) + "\"><stop offset=\"0\" stop-color=\"" +
           colour(far) + "\"/><stop offset=\"0.5\" stop-color=\"" + colour(base) +
           "\"/><stop offset=\"1\" stop-color=\"" + colour(near_light) + "\"/></linearGradient>\n";
}

std::string circle(double cx, double cy, double r, const std::string& fill) {
    return "<circle cx=\"" + number(cx) + "\" cy=\"" + number(cy) + "\" r=\"" + number(r) + "\" " + fill + "/>\n";
}

std::string path_of(const std::vector<OutlineStep>& steps) {
    std::string d;
    auto point = [](OutlineStep::Point p) { return number(p.x) + "," + number(p.y) + " "; };
    for (const OutlineStep& s : steps) {
        switch (s.kind) {
            case OutlineStep::Kind::Move: d += (d.empty() ? "M" : "Z M") + point(s.to); break;
            case OutlineStep::Kind::Line: d += "L" + point(s.to); break;
            case OutlineStep::Kind::Quadratic: d += "Q" + point(s.control1) + point(s.to); break;
            case OutlineStep::Kind::Cubic: d += "C" + point(s.control1) + point(s.control2) + point(s.to); break;
        }
    }
    return d.empty() ? d : d + "Z";
}

}  // namespace

std::string draw_app_icon_svg(const Font& font) {
    const std::string glyph = path_of(font.outline_centred(U'帥', kCharacterBox, Weight::Bold));
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
                      "<defs>\n";
    svg += lit_gradient("rim", kRimGold, 0.4);
    svg += lit_gradient("groove", mix(kRimGold, argb(0, 0, 0), 0.5), -0.3);
    svg += lit_gradient("disc", kDisc, 0.22);
    svg += "</defs>\n";
    // A soft shadow, the gold rim, a dark groove, the red disc and a fine gold ring.
    svg += circle(kCentreX + 1.2, kCentreY + 1.8, kRadius + 0.6, "fill=\"#000000\" fill-opacity=\"0.353\"");
    svg += circle(kCentreX, kCentreY, kRadius, "fill=\"url(#rim)\"");
    svg += circle(kCentreX, kCentreY, kRadius - kRim, "fill=\"url(#groove)\"");
    svg += circle(kCentreX, kCentreY, kRadius - kRim - kGroove, "fill=\"url(#disc)\"");
    svg += circle(kCentreX, kCentreY, 21.5, "fill=\"none\" stroke=\"#e2b85c\" stroke-opacity=\"0.784\"");
    const std::string at = number(kCharacterCorner);
    const std::string shadow_at = number(kCharacterCorner + 1);
    svg += "<path transform=\"translate(" + shadow_at + "," + shadow_at + ")\" fill=\"#460a08\" fill-opacity=\"0.588\" d=\"" +
           glyph + "\"/>\n";
    svg += "<path transform=\"translate(" + at + "," + at + ")\" fill=\"" + colour(kCream) + "\" d=\"" + glyph + "\"/>\n";
    svg += "</svg>\n";
    return svg;
}

}  // namespace kelvara::generator::skin
