#pragma once
// The two sounds of the demonstration: a piece set down, and a capture.

#include <cstdint>
#include <vector>

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::sound {

// Lengths in samples at 22,050 Hz: the move about 0.35 s, the capture about 1.0 s.
inline constexpr int kMoveSamples = 7648;
inline constexpr int kCaptureSamples = 22016;
// Peak level of both, in dB below full scale: loud enough, with room to mix.
inline constexpr double kPeakDbfs = -3.0;

// A crisp wooden click: a piece set down on a wooden board.
std::vector<std::int16_t> synthesise_move_sound();
// A heavier knock: the moving piece strikes the captured one, then lands on the board.
std::vector<std::int16_t> synthesise_capture_sound();

// move.wav and capture.wav.
void write_sound_assets(const AssetFolder& folder);

}  // namespace kelvara::generator::sound
