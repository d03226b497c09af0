#include "view/board_commands.h"

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

std::vector<std::uint8_t> take_board_picture(BoardView& view) {
    view.set_counter_and_author_visible(false);
    const int s = view.scale();
    auto bytes = view.canvas().capture_bmp(0, 0, board::kWidth * s, board::kSnapshotHeight * s);
    view.set_counter_and_author_visible(true);
    return bytes;
}

}  // namespace kelvara

namespace kelvara {

std::vector<std::uint8_t> take_board_picture(const GameRecord& game, int selected_move, int scale) {
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
    return take_board_picture(fresh.view);
}

}  // namespace kelvara
