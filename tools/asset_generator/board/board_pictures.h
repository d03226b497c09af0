#pragma once
// Every picture of the board family, drawn once and shared by the files, the palette
// and the preview.

#include <array>

#include "platform/font.h"
#include "platform/image.h"

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator {

struct BoardPictures {
    Image board;
    std::array<Image, 2> file_labels;  // by flip state
    Image from_marker;
    Image to_marker;
};

BoardPictures draw_board_pictures(const Font& font, int scale = 1);

// board.png, file_labels_0.png, file_labels_1.png, from_marker.png, to_marker.png; with
// "@2x" or "@3x" in the names of larger scales.
void write_board_assets(const BoardPictures& pictures, const AssetFolder& folder, int scale = 1);

}  // namespace kelvara::generator
