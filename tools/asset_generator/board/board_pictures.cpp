#include "board/board_pictures.h"

#include "asset_folder.h"
#include "board/board_picture.h"
#include "board/file_labels.h"
#include "board/move_markers.h"

namespace kelvara::generator {

BoardPictures draw_board_pictures(const Font& font) {
    return BoardPictures{draw_board_picture(),
                         {draw_file_labels(font, 0), draw_file_labels(font, 1)},
                         draw_from_marker(),
                         draw_to_marker()};
}

void write_board_assets(const BoardPictures& pictures, const AssetFolder& folder) {
    folder.write_png("board.png", pictures.board);
    folder.write_png("file_labels_0.png", pictures.file_labels[0]);
    folder.write_png("file_labels_1.png", pictures.file_labels[1]);
    folder.write_png("from_marker.png", pictures.from_marker);
    folder.write_png("to_marker.png", pictures.to_marker);
}

}  // namespace kelvara::generator
