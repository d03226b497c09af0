#pragma once
// Shows a newly opened record on the board view: its start position in the current
// flip state with the matching file labels, its title and the author line.

#include <string_view>

#include "record/game_record.h"
#include "view/board_view.h"

namespace kelvara {

// author_line: "动画制作：" + the author, or "" when the settings have no author, in
// which case the author line keeps its text.
void show_opened_record(GameRecord& game, BoardView& view, std::string_view author_line);

}  // namespace kelvara
