#include "app/kelvara_app.h"

#include <string>

#include "export/animation_palette.h"
#include "view/show_record.h"

namespace kelvara {

KelvaraApp::KelvaraApp(std::filesystem::path settings_file) : settings_file_(std::move(settings_file)) {
    settings_ = load_settings(settings_file_);
    animation_palette_ = load_animation_palette();
    session_.emplace();
    session_->playback.set_sound_effects(settings_.sound_effects);
}

OpenOutcome KelvaraApp::open_record_file(const std::filesystem::path& path) {
    BoardSession& s = *session_;
    OpenOutcome outcome = open_record(path, s.game, s.list);
    if (!outcome.opened) return outcome;
    const std::string author = author_line(settings_.author);
    if (outcome.read) {
        show_opened_record(s.game, s.view, author);
    } else {
        // No reader ran, so the position was not set up again: only the texts change.
        s.view.show_title(s.game.title);
        if (!author.empty()) s.view.set_author_line(author);
        s.view.refresh_display();
    }
    return outcome;
}

}  // namespace kelvara
