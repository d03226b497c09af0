#pragma once
// The user's preferences and the settings file that keeps them: section "设置" of a
// profile file (GBK, or UTF-8 when the file came so), values as the Windows program
// wrote them, so files move both ways.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_error.h"
#include "platform/profile_file.h"

namespace kelvara {

// The values a delay may take, in its own units; the settings dialog keeps its boxes
// within them and the file never holds anything else.
struct DelayRange {
    int units_per_second;
    int lowest;
    int highest;
};
inline constexpr DelayRange kDemoDelayRange{1000, 300, 8000};  // milliseconds: 0.3 to 8 seconds
inline constexpr DelayRange kFrameDelayRange{100, 2, 65535};   // hundredths, as a GIF holds them
// The time the analysis engine thinks about each position: 0.1 second to 10 minutes.
inline constexpr DelayRange kAnalysisTimeRange{1000, 100, 600000};

struct Settings {
    bool sound_effects = true;      // move sounds during the demonstration
    bool background_music = false;  // the main window's tune, in a loop
    int demo_delay = 1000;          // milliseconds between two moves of the demonstration
    int frame_delay = 100;          // hundredths of a second per animation picture
    std::string author;             // GBK; drawn into the board and the animations
    bool board_turned = false;      // the board was last shown turned (red at the bottom)
    bool start_at_selected_move = false;  // held while the program runs, never stored
    int display_size = 100;         // percent: the window, its text and the board together
    int picture_size = 1;           // the scale of the pictures made: animations, snapshots, the clipboard

    std::string engine_program;  // GBK: the analysis engine, a path or a name looked up in PATH
    int analysis_time = 1000;    // milliseconds the engine thinks about each position
    int engine_threads = 1;
    bool analysis_shown = false;  // the analysis strip is open
};

// The display sizes offered, in percent; anything else read from the file gives 100.
inline constexpr int kDisplaySizes[] = {100, 150, 200};
// The size itself when it is one of those offered, else 100.
int offered_display_size(int percent);
// The picture sizes offered, as the board's scale (260 × 330 times it); anything else
// read from the file gives 1.
inline constexpr int kPictureSizes[] = {1, 2, 3};
int offered_picture_size(int scale);

// The most threads a file may give the engine; the settings dialog offers one per processor.
inline constexpr int kMostEngineThreads = 256;
int offered_engine_threads();
// The engine a fresh settings file names: fairy-stockfish when it is installed, else none.
std::string default_engine_program();

// Missing keys keep their defaults. Only "真" turns the sounds on and only "假" turns the
// tune off, so an unknown text leaves sounds off and the tune on. A display size other
// than those offered is taken as 100. A value the program could not use nor save again (a
// delay that is no number or lies outside its range, an author with a line break) is
// replaced by its default.
Settings load_settings(const ProfileFile& file);
// Writes the stored values, in order: the five the Windows program knows, then the
// display size, whether the board is turned, the analysis values and the picture size.
// False, with the file unchanged, when a text holds a line break that the file cannot keep.
bool save_settings(const Settings& settings, ProfileFile& file);

// Defaults when the file is missing or unreadable.
Settings load_settings(const std::filesystem::path& path);
// Keeps every other line of the file and replaces it in one atomic write; creates the
// file's folder when missing. False when nothing was written, with the reason in error
// when given: an existing file that cannot be read is never overwritten, since its other
// contents would be lost, and a file the user protected from writing is not replaced.
bool save_settings(const Settings& settings, const std::filesystem::path& path, FileError* error = nullptr);

// "动画制作：" followed by the author, or "" for no author.
std::string author_line(std::string_view author);

}  // namespace kelvara
