#include "sound/wav_file.h"

#include <string_view>

namespace kelvara::generator {

namespace {

void put_text(std::vector<std::uint8_t>& out, std::string_view four) {
    out.insert(out.end(), four.begin(), four.end());
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int sample_rate) {
    constexpr int kChannels = 1;
    constexpr int kBytesPerSample = 2;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    put_text(out, "RIFF");
    put_u32(out, 36 + data_bytes);
    put_text(out, "WAVE");
    put_text(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);  // PCM
    put_u16(out, kChannels);
    put_u32(out, static_cast<std::uint32_t>(sample_rate));
    put_u32(out, static_cast<std::uint32_t>(sample_rate * kChannels * kBytesPerSample));
    put_u16(out, kChannels * kBytesPerSample);
    put_u16(out, 8 * kBytesPerSample);
    put_text(out, "data");
    put_u32(out, data_bytes);
    for (std::int16_t s : samples) put_u16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace kelvara::generator
