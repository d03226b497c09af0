#pragma once
// The move list as plain text, as the copy command puts it on the clipboard: rows paired
// into lines ("1.红：炮二平五" + "黑：马8进7"), lines joined by CR LF, and every side
// prefix "红：" / "黑：" replaced by one space: "1. 炮二平五 马8进7".

#include <span>
#include <string>

#include "record/move_list.h"

namespace kelvara {

std::string text_record(std::span<const MoveRow> rows);

}  // namespace kelvara
