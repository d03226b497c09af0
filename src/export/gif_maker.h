#pragma once
// Makes the animated GIF of a game: one picture of the start (or of the position before
// the selected move) and one per following move, each the board as the board view draws
// it, with title, author and move counter. The first picture is whole; every later one
// is the rectangle its move changed, unchanged pixels transparent. All pictures share the
// animation palette. Pictures are written as they are made, so memory does not grow with
// the game, and the file appears only when it is complete.
//
// A maker replays the game on its own canvas: it shares nothing with the board on screen
// and may run on any thread.

#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>

#include "export/picture_plan.h"
#include "platform/file_error.h"
#include "platform/gif_writer.h"
#include "platform/palette.h"
#include "record/game_record.h"

namespace kelvara {

struct GifJob {
    GameRecord game;             // a copy: moves, start position, flip state
    std::string title;           // GBK, as the title line shows it
    std::string author_line;     // GBK, as the author line shows it ("" for none)
    int frame_delay = 100;       // hundredths of a second; clamped to 2..65535
    bool start_at_selected_move = false;
    int selected_row = -1;       // the move list's selection; row r shows move r + 1
    int to_move = 0;             // the last picture shows the position after this move; 0: the game's end
    std::filesystem::path output_folder;
    std::string output_stem;     // file name without ".gif" (UTF-8, as on disk)
    int threads = 1;             // that make the pictures, this one included
    int scale = 1;               // the board's scale, 1 to 3: every length that many times
    std::stop_token stop;        // a stop request ends the job early and writes nothing
};

// How many pictures the animation of a game with `moves` moves holds: the start and one
// per move, or, starting at the selected row, the position before the selected move and
// one per move from there (from the first move's picture when row 0 is selected).
int animation_pictures(int moves, bool start_at_selected_move, int selected_row);

struct GifResult {
    enum class Failure { None, Folder, File, Stopped };
    Failure failure = Failure::None;  // Folder: the output folder cannot be made; File:
                                      // the file cannot be written; Stopped: the job was
                                      // asked to stop. Nothing is left behind by any.
    FileError error;                  // why the folder or the file could not be written
    std::filesystem::path path;       // the file, written or meant to be
    int pictures = 0;
    bool ok() const { return failure == Failure::None; }
};

class GifMaker {
public:
    explicit GifMaker(const Palette& palette);

    // Progress: the width of the bar's fill in pixels, starting at 1, reported after each
    // step and once more at the end (at least 199). With several threads the handler is
    // called on any of them, one call at a time.
    void on_progress(std::function<void(int)> handler) { progress_ = std::move(handler); }

    GifResult make(const GifJob& job);

private:
    // Replays the game and writes its pictures as the plan has them; returns how many
    // pictures were written, and whether all were.
    bool write_pictures(const GifJob& job, const PicturePlan& plan, GifWriter& writer, int& pictures);

    const Palette& palette_;
    std::function<void(int)> progress_;
};

// The record file name up to its last "." (the whole name when it has none).
std::string output_stem(std::string_view file_name);

}  // namespace kelvara
