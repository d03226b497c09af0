#include "view/show_record.h"

namespace kelvara {

void show_opened_record(GameRecord& game, BoardView& view, std::string_view author_line) {
    view.show_file_labels(game.flip_state);
    view.redraw_board(game);
    view.show_title(game.title);
    if (!author_line.empty()) view.set_author_line(author_line);
    view.refresh_display();
}

}  // namespace kelvara
