#include "raster/surface.h"

namespace kelvara::generator {

void Surface::set(int x, int y, Argb colour) {
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) {
            const int px = x * scale + dx, py = y * scale + dy;
            if (px >= 0 && py >= 0 && px < image.width && py < image.height) image.at(px, py) = colour;
        }
}

}  // namespace kelvara::generator
