#include "platform/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

namespace kelvara {

namespace {

// The General MIDI soundfonts Debian installs; the first that exists plays the tune.
constexpr const char* kSoundfonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                       "/usr/share/sounds/sf2/FluidR3_GM.sf2"};

constexpr int kChannels = 8;

SDL_RWops* read_from(std::span<const std::uint8_t> bytes) {
    return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

SoundPlayer::SoundPlayer() {
    // SDL would take SIGINT and SIGTERM for an event queue the program never reads, and
    // the program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    for (const char* font : kSoundfonts) {
        std::error_code ec;
        if (std::filesystem::exists(font, ec)) {
            Mix_SetSoundFonts(font);
            break;
        }
    }
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(kChannels);
    open_ = true;
}

SoundPlayer::~SoundPlayer() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (music_) Mix_FreeMusic(music_);
    for (auto& [bytes, chunk] : chunks_) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::play_effect(std::span<const std::uint8_t> wav) {
    if (!open_ || wav.empty()) return;
    Mix_Chunk*& chunk = chunks_[wav.data()];
    if (!chunk) chunk = Mix_LoadWAV_RW(read_from(wav), 1);
    if (chunk) Mix_PlayChannel(-1, chunk, 0);
}

void SoundPlayer::set_music(std::span<const std::uint8_t> midi, MusicMode mode) {
    music_mode_ = mode;
    if (!open_) return;
    if (mode == MusicMode::Off || midi.empty()) {
        Mix_HaltMusic();
        return;
    }
    if (music_bytes_ != midi.data()) {
        Mix_HaltMusic();
        if (music_) Mix_FreeMusic(music_);
        music_ = Mix_LoadMUS_RW(read_from(midi), 1);
        music_bytes_ = midi.data();
    }
    if (music_) Mix_PlayMusic(music_, mode == MusicMode::Loop ? -1 : 1);
}

bool SoundPlayer::music_playing() const { return open_ && Mix_PlayingMusic() != 0; }

}  // namespace kelvara
