#include "view/board_commands.h"

#include <algorithm>

#include "platform/bmp_codec.h"
#include "platform/png_codec.h"
#include "view/board_geometry.h"
#include "view/board_session.h"

namespace kelvara {

bool turn_board(GameRecord& game, const MoveList& list, BoardView& view) {
    if (!game.loaded) return false;
    game.flip_state = game.flip_state == 1 ? 0 : 1;
    view.show_file_labels(game.flip_state);
    game.board = rotated(game.board);
    view.redraw_board(game);
    view.set_move_counter(static_cast<int>(game.moves.size()), game.current_move + 1);
    const int selected = list.selection();
    if (selected >= 0 && selected < static_cast<int>(game.moves.size())) {
        const MoveRecord& m = game.moves[selected];
        view.show_move_markers(game.flip_state, m.from_column, m.from_row, m.to_column, m.to_row);
    }
    view.refresh_display();
    return true;
}

Image take_board_image(BoardView& view) {
    view.set_counter_and_author_visible(false);
    const int s = view.scale();
    const Image& canvas = view.canvas().composed();
    Image picture(std::min(canvas.width, board::kWidth * s), std::min(canvas.height, board::kSnapshotHeight * s));
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(&canvas.pixels[static_cast<std::size_t>(y) * canvas.width], picture.width,
                    &picture.pixels[static_cast<std::size_t>(y) * picture.width]);
    view.set_counter_and_author_visible(true);
    return picture;
}

Image take_board_image(const GameRecord& game, int selected_move, int scale) {
    BoardSession fresh(scale);
    fresh.game = game;
    fresh.game.making = 0;  // the position as it stands, not put back to the start
    fresh.view.show_file_labels(game.flip_state);
    fresh.view.redraw_board(fresh.game);
    fresh.view.show_title(fresh.game.title);
    if (selected_move >= 0 && selected_move < static_cast<int>(game.moves.size())) {
        const MoveRecord& m = game.moves[selected_move];
        fresh.view.show_move_markers(game.flip_state, m.from_column, m.from_row, m.to_column, m.to_row);
    }
    return take_board_image(fresh.view);
}

std::vector<std::uint8_t> take_board_picture(BoardView& view) { return board_bmp(take_board_image(view)); }

std::vector<std::uint8_t> take_board_picture(const GameRecord& game, int selected_move, int scale) {
    return board_bmp(take_board_image(game, selected_move, scale));
}

std::vector<std::uint8_t> board_bmp(const Image& picture) {
    return encode_bmp(picture, 0, 0, picture.width, picture.height);
}

std::vector<std::uint8_t> board_png(const Image& picture) { return encode_png(picture, PngChannels::Rgb); }

}  // namespace kelvara
