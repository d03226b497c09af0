#pragma once
// Opening a record file: the game record is replaced by what the reader that the table of
// record formats chooses for the file (by its extension and its content) made of it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_error.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "record/read_stop.h"
#include "record/record_formats.h"

namespace kelvara {

inline constexpr std::size_t kTitleBytes = 36;
inline constexpr std::size_t kCaptionBytes = 57;
inline constexpr std::size_t kRecordSizeLimit = 16 * 1024 * 1024;  // larger files are no records

struct OpenOutcome {
    enum class Refusal {
        None,
        Unreadable,  // the file could not be read (error says why)
        NotARecord,  // no reader takes the file, or no move and no start position came of it
    };
    bool opened = false;            // the record replaced the game; false: nothing changed
    Refusal refusal = Refusal::None;
    FileError error;                // Unreadable: why
    std::optional<ReadStop> stop;   // the reader stopped before the end of the record (with
                                    // NotARecord: at its first move)
    std::string caption;            // GBK: the file name as the title label shows it
    int game_index = 0;             // which of the file's games was read (from 0)
    int game_count = 0;             // how many games the file holds
};

// Reads the whole file once; on failure (empty path, missing or unreadable file, or
// larger than kRecordSizeLimit) the previous game stays loaded. Otherwise it is read as
// open_record_bytes says. game_index picks one game of a file that holds several (from 0).
// game_count is how many games the file holds when the caller has listed them already (to
// offer a choice); without it the games are counted here.
OpenOutcome open_record(const std::filesystem::path& path, GameRecord& game, MoveList& list, int game_index = 0,
                        std::optional<int> game_count = std::nullopt);

// Reads a record from bytes with the reader the table chooses by the name (GBK) and the
// bytes. A record is what gives at least one move or a start position; anything else
// (no format takes the file, or nothing came of it) is refused, and the game and the list
// stay as they were. A record replaces the game and the list whole (the flip state stays),
// and its title is the Event tag's value, or else the file name without its extension;
// either cut to kTitleBytes at a whole character.
OpenOutcome open_record_bytes(std::string_view bytes, std::string_view file_name, GameRecord& game, MoveList& list,
                              int game_index = 0, std::optional<int> game_count = std::nullopt);

// The games a record holds, as the game chooser lists them; empty when no format takes it.
std::vector<GameSummary> list_record_games(std::string_view bytes, std::string_view file_name);
// The same for a file; empty when it cannot be read or no format takes it.
std::vector<GameSummary> list_record_file_games(const std::filesystem::path& path);

// What the names of files made from one game of a file of several end in, so that the
// games' animations and pictures do not overwrite each other: "-3" for the third game; ""
// when the file holds one game.
std::string game_name_suffix(const OpenOutcome& outcome);

// The title cut to kTitleBytes without splitting a character.
void cut_title(std::string& title);

// The file name when it fits in kCaptionBytes, else its first 54 bytes (whole
// characters) and "...".
std::string caption_text(std::string_view file_name);

// The file name of a path in GBK: file names on disk are UTF-8; a name that is not UTF-8
// is taken to be GBK already.
std::string gbk_file_name(const std::filesystem::path& path);

}  // namespace kelvara
