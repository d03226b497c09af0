#include "app/kelvara_app.h"

#include <algorithm>
#include <string>
#include <thread>

#include "export/animation_palette.h"
#include "platform/app_paths.h"
#include "view/board_commands.h"
#include "view/show_record.h"

namespace kelvara {

KelvaraApp::KelvaraApp(std::filesystem::path settings_file, FolderSource animation_folder, int board_scale)
    : settings_file_(std::move(settings_file)), animation_folder_(std::move(animation_folder)) {
    if (!animation_folder_) animation_folder_ = [] { return output_folder(executable_dir()); };
    settings_ = load_settings(settings_file_);
    started_display_size_ = settings_.display_size;
    if (settings_.background_music) sounds_.follow_music_setting(true);
    animation_palette_ = load_animation_palette();
    session_.emplace(board_scale);
    session_->playback.set_sound_effects(settings_.sound_effects);
    session_->playback.on_sound([this](MoveSound sound) { sounds_.play(sound); });
    if (settings_.board_turned) {
        session_->game.flip_state = 1;
        session_->view.show_file_labels(1);
        session_->view.refresh_display();
    }
}

OpenOutcome KelvaraApp::open_record_file(const std::filesystem::path& path, int game_index,
                                         std::optional<int> game_count) {
    BoardSession& s = *session_;
    OpenOutcome outcome = open_record(path, s.game, s.list, game_index, game_count);
    if (outcome.opened) show_opened(path, outcome);
    return outcome;
}

OpenOutcome KelvaraApp::open_record_bytes(std::string_view bytes, const std::filesystem::path& name, int game_index,
                                          std::optional<int> game_count) {
    BoardSession& s = *session_;
    const std::string gbk_name = gbk_file_name(name);
    OpenOutcome outcome = kelvara::open_record_bytes(bytes, gbk_name, s.game, s.list, game_index, game_count);
    if (!outcome.opened) return outcome;
    // The name has no extension to take off: it is the title whole.
    if (s.game.title.empty()) {
        s.game.title = gbk_name;
        cut_title(s.game.title);
    }
    show_opened(name, outcome);
    return outcome;
}

void KelvaraApp::show_opened(const std::filesystem::path& path, const OpenOutcome& outcome) {
    BoardSession& s = *session_;
    record_path_ = path;
    record_name_suffix_ = game_name_suffix(outcome);
    const std::string author = author_line(settings_.author);
    if (!author.empty()) author_line_shown_ = author;
    show_opened_record(s.game, s.view, author);
}

void KelvaraApp::take_settings(const Settings& chosen, const std::string& title) {
    BoardSession& s = *session_;
    settings_ = chosen;
    s.playback.set_sound_effects(settings_.sound_effects);
    s.game.title = title;
    if (!s.game.loaded) return;
    s.view.show_title(s.game.title);
    author_line_shown_ = author_line(settings_.author);
    s.view.set_author_line(author_line_shown_);
    s.view.refresh_display();
}

bool KelvaraApp::save_settings(FileError* error) const {
    return kelvara::save_settings(settings_, settings_file_, error);
}

bool KelvaraApp::remember_board_turned(FileError* error) {
    settings_.board_turned = session_->game.flip_state == 1;
    return save_settings(error);
}

bool KelvaraApp::remember_picture_size(int scale, FileError* error) {
    settings_.picture_size = offered_picture_size(scale);
    return save_settings(error);
}

Image KelvaraApp::board_image() {
    BoardSession& s = *session_;
    const int scale = offered_picture_size(settings_.picture_size);
    if (s.view.scale() == scale) return take_board_image(s.view);
    return take_board_image(s.game, s.list.selection(), scale);
}

GifJob KelvaraApp::animation_job() const {
    const BoardSession& s = *session_;
    GifJob job;
    job.game = s.game;
    job.title = s.game.title;
    job.author_line = author_line_shown_;
    job.frame_delay = settings_.frame_delay;
    job.scale = offered_picture_size(settings_.picture_size);
    job.start_at_selected_move = settings_.start_at_selected_move;
    job.selected_row = s.list.selection();
    job.output_folder = animation_folder_();
    job.output_stem = output_stem(record_path_.filename().string()) + record_name_suffix_;
    // The window waits while the job runs: every core may encode its pictures.
    job.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return job;
}

}  // namespace kelvara
