#pragma once
// The program's sounds: the move and capture effects of the demonstration and the main
// window's background tune. The tune starts with the play mode "not at all", so with the
// background music setting off nothing sounds. Without a sound device all is silent.

#include <functional>

#include "platform/sound_player.h"
#include "view/playback.h"

namespace kelvara {

class AppSounds {
public:
    void play(MoveSound sound);
    // On: the tune loops, and a tune that already loops is not restarted. Off: it stops.
    void follow_music_setting(bool background_music);

    MusicMode music_mode() const { return player_.music_mode(); }
    // How often the tune was started from its beginning.
    int tune_starts() const { return tune_starts_; }
    // Told of every effect played, after it started.
    void on_played(std::function<void(MoveSound)> observer) { played_ = std::move(observer); }

private:
    SoundPlayer player_;
    int tune_starts_ = 0;
    std::function<void(MoveSound)> played_;
};

}  // namespace kelvara
