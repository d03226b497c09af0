#include "board/board_pictures.h"

#include "asset_folder.h"
#include "board/board_picture.h"
#include "board/file_labels.h"
#include "board/move_markers.h"

namespace kelvara::generator {

BoardPictures draw_board_pictures(const Font& font, int scale) {
    return BoardPictures{draw_board_picture(scale),
                         {draw_file_labels(font, 0, scale), draw_file_labels(font, 1, scale)},
                         draw_from_marker(scale),
                         draw_to_marker(scale)};
}

void write_board_assets(const BoardPictures& pictures, const AssetFolder& folder, int scale) {
    folder.write_png("board.png", pictures.board, scale);
    folder.write_png("file_labels_0.png", pictures.file_labels[0], scale);
    folder.write_png("file_labels_1.png", pictures.file_labels[1], scale);
    folder.write_png("from_marker.png", pictures.from_marker, scale);
    folder.write_png("to_marker.png", pictures.to_marker, scale);
}

}  // namespace kelvara::generator
