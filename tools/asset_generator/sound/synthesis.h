#pragma once
// Small deterministic DSP for percussive sounds: a struck body is a set of damped
// resonant modes driven by a short contact pulse, with a burst of filtered noise for
// the click of the contact itself. The same doubles give the same samples every run.

#include <cstdint>
#include <span>
#include <vector>

namespace kelvara::generator::sound {

inline constexpr int kSampleRate = 22050;

// White noise in [-1, 1) from a fixed seed (xorshift32).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double next();

private:
    std::uint32_t state_;
};

// One resonance of the struck body: its frequency, its level and the time in which it
// falls to 1/e.
struct Mode {
    double frequency;
    double level;
    double decay_seconds;
};

// One impact: when, how hard, how long the two surfaces touch (a shorter contact
// excites the high modes more), which modes ring, and the contact click's noise.
struct Strike {
    double onset_seconds;
    double force;
    double contact_seconds;
    std::span<const Mode> modes;
    double click_level;
    double click_centre_hz;
    double click_decay_seconds;
};

// Adds the strike's sound to `out` (samples at kSampleRate). `noise` feeds the click.
void add_strike(std::vector<double>& out, const Strike& strike, Noise& noise);

// Fades in over `fade_in` samples and out over the last `fade_out` (raised cosine),
// removes any DC, and scales the peak to `peak_dbfs` below full scale.
std::vector<std::int16_t> to_pcm16(std::vector<double> signal, int fade_in, int fade_out, double peak_dbfs);

}  // namespace kelvara::generator::sound
