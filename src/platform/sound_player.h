#pragma once
// Sound output through SDL2_mixer: short WAV effects played once without waiting, and a
// MIDI tune played in a loop through the General MIDI soundfont. Without a sound device
// everything runs silently: no call fails and nothing waits.

#include <cstdint>
#include <map>
#include <span>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace kelvara {

enum class MusicMode { Loop, Once, Off };

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // False when no sound device could be opened; the player is then silent.
    bool available() const { return open_; }

    // Plays the WAV once, over whatever is playing. The bytes must outlive the player
    // (the program's embedded sounds do); each is decoded once.
    void play_effect(std::span<const std::uint8_t> wav);

    // The tune and its play mode; setting a mode starts (Loop, Once) or stops (Off) it.
    void set_music(std::span<const std::uint8_t> midi, MusicMode mode);
    MusicMode music_mode() const { return music_mode_; }
    bool music_playing() const;

private:
    bool open_ = false;
    std::map<const std::uint8_t*, Mix_Chunk*> chunks_;
    Mix_Music* music_ = nullptr;
    const std::uint8_t* music_bytes_ = nullptr;
    MusicMode music_mode_ = MusicMode::Off;
};

}  // namespace kelvara
