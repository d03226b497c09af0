#pragma once
// Sounds as WAV files: 16-bit PCM, one channel, the format the program plays.

#include <cstdint>
#include <span>
#include <vector>

namespace kelvara::generator {

// A canonical 44-byte RIFF header (fmt chunk of 16 bytes, then the data chunk) and the
// samples, little-endian.
std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int sample_rate);

}  // namespace kelvara::generator
