#pragma once
// The table of record readers: the one place that knows which formats Kelvara reads.
// Opening a file, the open dialog's filter, drag and drop, paste and the command line's
// messages all consult it; adding a format is adding a reader and a row.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"
#include "record/move_list.h"
#include "record/read_stop.h"

namespace kelvara {

struct RecordFormat {
    std::string_view name;                         // GBK, as messages and the open dialog name it
    std::span<const std::string_view> extensions;  // lower case, with the dot
    // Whether the bytes are of this format, for files whose extension is missing or wrong.
    bool (*recognises)(std::string_view bytes);
    // The games the bytes hold; a single-game format lists one.
    std::vector<GameSummary> (*list_games)(std::string_view bytes);
    // Reads game `index` (from 0) into a game and list that the caller has reset. Keeps
    // the moves before a move it cannot read and says where and why it stopped.
    std::optional<ReadStop> (*read_game)(std::string_view bytes, int index, GameRecord& game, MoveList& list);
};

std::span<const RecordFormat> record_formats();

// The format that reads a file: the one its extension names when the bytes fit it, else
// the first whose content check accepts the bytes; nullptr when none does (an empty or
// binary file, or another kind of file), whatever its extension says.
const RecordFormat* find_record_format(std::string_view file_name, std::string_view bytes);

// The file name's extension in lower case, with the dot ("" when it has none).
std::string record_extension(std::string_view file_name);

}  // namespace kelvara
