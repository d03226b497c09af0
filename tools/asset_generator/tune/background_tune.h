#pragma once
// The main window's background tune: a calm piece in the D gong pentatonic mode for
// dizi (flute), guzheng (koto), strings, harp and a little wood and metal percussion,
// sixteen bars at 60 beats a minute that lead back into their own beginning.

#include <cstdint>
#include <vector>

namespace kelvara::generator {
class AssetFolder;
}

namespace kelvara::generator::tune {

inline constexpr int kTicksPerQuarter = 120;
inline constexpr int kBars = 16;
inline constexpr int kTicksPerBar = 4 * kTicksPerQuarter;
inline constexpr int kMicrosecondsPerQuarter = 1'000'000;

// The whole standard MIDI file.
std::vector<std::uint8_t> compose_background_tune();

// tune.mid.
void write_tune_asset(const AssetFolder& folder);

}  // namespace kelvara::generator::tune
