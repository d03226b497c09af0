#pragma once
// The application object: the one settings, the one board session (game record, move
// list, board canvas, view and playback) and the steps that start them, in order. The
// main window works through it; a test makes a fresh one.

#include <filesystem>
#include <optional>

#include "app/settings.h"
#include "platform/palette.h"
#include "record/open_record.h"
#include "view/board_session.h"

namespace kelvara {

class KelvaraApp {
public:
    // Loads the settings from settings_file (defaults when it is missing), builds the
    // animation palette, then sets up the board canvas.
    explicit KelvaraApp(std::filesystem::path settings_file);
    KelvaraApp(const KelvaraApp&) = delete;
    KelvaraApp& operator=(const KelvaraApp&) = delete;

    BoardSession& session() { return *session_; }
    Settings& settings() { return settings_; }
    const std::filesystem::path& settings_file() const { return settings_file_; }
    // The colours every animation picture is mapped to.
    const Palette& animation_palette() const { return animation_palette_; }

    // Opens a record into the session and shows it: its start position, title and
    // author line. A file of another kind than .che or .pgn empties the list and leaves
    // the pieces as they were. Nothing changes when the file cannot be read.
    OpenOutcome open_record_file(const std::filesystem::path& path);

private:
    std::filesystem::path settings_file_;
    Settings settings_;
    Palette animation_palette_{};
    std::optional<BoardSession> session_;  // made after the settings and the palette
};

}  // namespace kelvara
