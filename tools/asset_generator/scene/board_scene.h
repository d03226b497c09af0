#pragma once
// A whole board canvas composed the way the board view stacks its sprites: board, file
// labels, markers, text lines, then the pieces.

#include <optional>
#include <string>

#include "board/board_pictures.h"
#include "pieces/piece_pictures.h"
#include "platform/font.h"
#include "board/position.h"

namespace kelvara::generator {

struct BoardScene {
    Position position{};  // display squares; kEmpty where nothing stands
    int flip = 0;
    std::optional<Square> from_square;  // display squares of the markers
    std::optional<Square> to_square;
    std::u32string title;
    std::u32string author;
    std::u32string counter;
};

// A position with nothing on it.
Position empty_position();

Image compose_scene(const BoardScene& scene, const BoardPictures& board, const PiecePictures& pieces,
                    const Font& font);

}  // namespace kelvara::generator
