#pragma once
// The application object: the one settings, the sounds, the one board session (game
// record, move list, board canvas, view and playback) and the steps that start them, in
// order. The main window works through it; a test makes a fresh one.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_sounds.h"
#include "app/settings.h"
#include "export/gif_maker.h"
#include "platform/palette.h"
#include "record/open_record.h"
#include "view/board_session.h"

namespace kelvara {

class KelvaraApp {
public:
    // Where animations go; asked each time one is made, since the folder may come and go.
    using FolderSource = std::function<std::filesystem::path()>;

    // Loads the settings from settings_file (defaults when it is missing), starts the
    // background tune when the settings want it, builds the animation palette, then sets
    // up the board canvas at board_scale (1 to 3, for the screen), turned as it was left.
    // Without animation_folder, animations go to the program's output folder.
    explicit KelvaraApp(std::filesystem::path settings_file, FolderSource animation_folder = {}, int board_scale = 1);
    KelvaraApp(const KelvaraApp&) = delete;
    KelvaraApp& operator=(const KelvaraApp&) = delete;

    BoardSession& session() { return *session_; }
    Settings& settings() { return settings_; }
    // The display size the program was started with; a new one takes effect at the next start.
    int started_display_size() const { return started_display_size_; }
    AppSounds& sounds() { return sounds_; }
    const std::filesystem::path& settings_file() const { return settings_file_; }
    // The colours every animation picture is mapped to.
    const Palette& animation_palette() const { return animation_palette_; }

    // Opens game `game_index` (from 0) of a record into the session and shows it: its
    // start position, title and author line. Nothing changes when the file cannot be read
    // or is no record. game_count: as record/open_record.h says.
    OpenOutcome open_record_file(const std::filesystem::path& path, int game_index = 0,
                                 std::optional<int> game_count = std::nullopt);
    // Opens a record held in memory (pasted text) as open_record_file opens a file; name
    // stands for the file: the caption, the title when the record has none, the name of
    // its animations.
    OpenOutcome open_record_bytes(std::string_view bytes, const std::filesystem::path& name, int game_index = 0,
                                  std::optional<int> game_count = std::nullopt);
    // The file last opened, as the file system spells it (UTF-8).
    const std::filesystem::path& record_path() const { return record_path_; }

    // Takes the settings dialog's values and title. With a record loaded, the board shows
    // the title and the author line at once.
    void take_settings(const Settings& chosen, const std::string& title);
    // Writes the settings file; false, with the reason in error, when it could not be
    // written.
    bool save_settings(FileError* error = nullptr) const;
    // Keeps the board's orientation in the settings file, for the next start.
    bool remember_board_turned(FileError* error = nullptr);
    // Keeps the size chosen for pictures (a scale offered) in the settings file.
    bool remember_picture_size(int scale, FileError* error = nullptr);

    // The board as the snapshot saves it and the clipboard takes it: at the picture size
    // of the settings, whatever scale the screen shows.
    Image board_image();

    // The animation of the loaded record as the board shows it: its title and author
    // line, the frame delay, the picture size, and the selected move when the animation
    // starts there.
    GifJob animation_job() const;

private:
    // Shows the record an open has read, as both kinds of open do.
    void show_opened(const std::filesystem::path& path, const OpenOutcome& outcome);

    std::filesystem::path settings_file_;
    FolderSource animation_folder_;
    Settings settings_;
    int started_display_size_ = 100;
    AppSounds sounds_;  // before the session, whose playback asks it for sounds
    Palette animation_palette_{};
    std::optional<BoardSession> session_;  // made after the settings and the palette
    std::filesystem::path record_path_;
    std::string record_name_suffix_;  // "-N" for game N of a file of several
    std::string author_line_shown_;  // GBK; what the board's author line says
};

}  // namespace kelvara
