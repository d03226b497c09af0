#pragma once
// The move list as plain text, as the copy command puts it on the clipboard: rows paired
// into lines ("1.红：炮二平五" + "黑：马8进7"), lines joined by CR LF, and every side
// prefix "红：" / "黑：" replaced by one space: "1. 炮二平五 马8进7". A record of a start
// position without moves gives that position, as its FEN board field.

#include <span>
#include <string>
#include <string_view>

#include "record/move_list.h"

namespace kelvara {

std::string text_record(std::span<const MoveRow> rows, std::string_view fen_start = {});

}  // namespace kelvara
