#include "app/app_sounds.h"

#include "kelvara_assets.h"

namespace kelvara {

void AppSounds::play(MoveSound sound) {
    player_.play_effect(sound == MoveSound::Capture ? assets::capture_wav : assets::move_wav);
    if (played_) played_(sound);
}

void AppSounds::follow_music_setting(bool background_music) {
    if (!background_music) {
        player_.set_music(assets::tune_mid, MusicMode::Off);
        return;
    }
    if (player_.music_mode() == MusicMode::Loop) return;
    player_.set_music(assets::tune_mid, MusicMode::Loop);
    ++tune_starts_;
}

}  // namespace kelvara
