#pragma once
// A picture drawn in logical pixels at a scale: each logical pixel is scale × scale
// pixels of the image. Straight edges on whole logical pixels come out as at scale 1,
// only finer; shapes and text are drawn at the image's own resolution, so a 2× picture
// is as sharp as its size allows and never a blown-up 1× one.

#include "platform/image.h"
#include "platform/scaled_name.h"

namespace kelvara::generator {

// The scales every picture of the program is drawn at.
inline constexpr int kScales[] = {1, 2, 3};

struct Surface {
    Image image;  // in pixels of the scale
    int scale = 1;

    Surface(int width, int height, int scale = 1, Argb fill = 0) : image(width * scale, height * scale, fill), scale(scale) {}
    explicit Surface(Image picture) : image(std::move(picture)) {}
    int width() const { return image.width / scale; }
    int height() const { return image.height / scale; }
    // Every image pixel of the logical pixel (x, y) set to colour, clipped.
    void set(int x, int y, Argb colour);
};

}  // namespace kelvara::generator
