#include "platform/sound_player.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>

#include "kelvara_assets.h"

namespace kelvara {
namespace {

// With SDL's dummy driver the player opens and plays without a sound card.
TEST(SoundPlayer, PlaysEffectsAndFollowsTheMusicMode) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    EXPECT_TRUE(player.available());
    player.play_effect(assets::move_wav);
    player.play_effect(assets::capture_wav);
    player.play_effect({});  // nothing to play: ignored
    EXPECT_EQ(player.music_mode(), MusicMode::Off);
    player.set_music(assets::tune_mid, MusicMode::Loop);
    EXPECT_EQ(player.music_mode(), MusicMode::Loop);
    EXPECT_TRUE(player.music_playing());
    player.set_music(assets::tune_mid, MusicMode::Off);
    EXPECT_FALSE(player.music_playing());
}

// The program's own handling of SIGTERM and SIGINT must not be taken over by SDL, which
// would turn them into events that nobody reads.
TEST(SoundPlayer, LeavesTheTerminationSignalsAlone) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    EXPECT_TRUE(player.available());
    for (int s : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        ASSERT_EQ(::sigaction(s, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << s;
    }
}

// Without any usable driver nothing fails and the mode is still kept.
TEST(SoundPlayer, IsSilentWithoutADevice) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundPlayer player;
    EXPECT_FALSE(player.available());
    player.play_effect(assets::move_wav);
    player.set_music(assets::tune_mid, MusicMode::Loop);
    EXPECT_EQ(player.music_mode(), MusicMode::Loop);
    EXPECT_FALSE(player.music_playing());
}

}  // namespace
}  // namespace kelvara
