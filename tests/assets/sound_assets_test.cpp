// move.wav and capture.wav: the exact format and lengths the player expects, and levels
// that neither clip nor click.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "kelvara_assets.h"

namespace kelvara {
namespace {

struct Wav {
    std::string riff, wave, fmt, data;
    std::uint32_t riff_size = 0, fmt_size = 0, sample_rate = 0, byte_rate = 0, data_size = 0;
    std::uint16_t format = 0, channels = 0, block_align = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t u32(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t u16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::string text(std::span<const unsigned char> b, std::size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

Wav read_wav(std::span<const unsigned char> b) {
    Wav w;
    if (b.size() < 44) {
        ADD_FAILURE() << "shorter than a WAV header";
        return w;
    }
    w.riff = text(b, 0);
    w.riff_size = u32(b, 4);
    w.wave = text(b, 8);
    w.fmt = text(b, 12);
    w.fmt_size = u32(b, 16);
    w.format = u16(b, 20);
    w.channels = u16(b, 22);
    w.sample_rate = u32(b, 24);
    w.byte_rate = u32(b, 28);
    w.block_align = u16(b, 32);
    w.bits = u16(b, 34);
    w.data = text(b, 36);
    w.data_size = u32(b, 40);
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(static_cast<std::int16_t>(u16(b, at)));
    return w;
}

struct SoundCase {
    const char* name;
    std::span<const unsigned char> bytes;
    std::uint32_t data_size;
};

// A function, not a global: the embedded spans are set up at start-up in another file.
std::vector<SoundCase> sounds() {
    return {{"move.wav", assets::move_wav, 15296}, {"capture.wav", assets::capture_wav, 44032}};
}

TEST(Sounds, AreMonoSixteenBitPcmAt22050HzOfTheirExactLength) {
    for (const auto& s : sounds()) {
        const Wav w = read_wav(s.bytes);
        EXPECT_EQ(w.riff, "RIFF") << s.name;
        EXPECT_EQ(w.wave, "WAVE") << s.name;
        EXPECT_EQ(w.fmt, "fmt ") << s.name;
        EXPECT_EQ(w.fmt_size, 16u) << s.name;
        EXPECT_EQ(w.format, 1) << s.name;
        EXPECT_EQ(w.channels, 1) << s.name;
        EXPECT_EQ(w.sample_rate, 22050u) << s.name;
        EXPECT_EQ(w.byte_rate, 44100u) << s.name;
        EXPECT_EQ(w.block_align, 2) << s.name;
        EXPECT_EQ(w.bits, 16) << s.name;
        EXPECT_EQ(w.data, "data") << s.name;
        EXPECT_EQ(w.data_size, s.data_size) << s.name;
        EXPECT_EQ(w.riff_size, 36 + s.data_size) << s.name;
        EXPECT_EQ(s.bytes.size(), 44 + s.data_size) << s.name << ": bytes beyond the data chunk";
    }
}

TEST(Sounds, PeakNearMinusThreeDecibelsWithoutClipping) {
    for (const auto& s : sounds()) {
        const Wav w = read_wav(s.bytes);
        int peak = 0;
        for (std::int16_t v : w.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_LT(peak, 32767) << s.name << " clips";
        const double dbfs = 20 * std::log10(peak / 32768.0);
        EXPECT_GT(dbfs, -4.0) << s.name;
        EXPECT_LT(dbfs, -2.0) << s.name;
    }
}

TEST(Sounds, BeginAndEndInSilenceAndStayCentred) {
    for (const auto& s : sounds()) {
        const Wav w = read_wav(s.bytes);
        ASSERT_GT(w.samples.size(), 100u) << s.name;
        // A jump from or to silence at either end is heard as a click.
        EXPECT_LT(std::abs(w.samples.front()), 64) << s.name;
        EXPECT_LT(std::abs(w.samples.back()), 64) << s.name;
        double sum = 0;
        for (std::int16_t v : w.samples) sum += v;
        EXPECT_LT(std::abs(sum / static_cast<double>(w.samples.size())), 50.0) << s.name << " carries a DC offset";
    }
}

TEST(Sounds, TheCaptureIsTheHeavierAndLongerSound) {
    // Energy after the first 0.1 s: the capture's knock rings on where the click is gone.
    auto tail_energy = [](const Wav& w) {
        double e = 0;
        for (std::size_t i = 2205; i < w.samples.size(); ++i) e += static_cast<double>(w.samples[i]) * w.samples[i];
        return e;
    };
    EXPECT_GT(tail_energy(read_wav(assets::capture_wav)), 4 * tail_energy(read_wav(assets::move_wav)));
}

}  // namespace
}  // namespace kelvara
