#include "sound/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kelvara::generator::sound {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A band-pass biquad with 0 dB at its centre (the usual cookbook form).
class BandPass {
public:
    BandPass(double centre_hz, double q) {
        const double w = kTwoPi * centre_hz / kSampleRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double process(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// The contact force: half a sine period over the contact time, its area 1.
std::vector<double> contact_pulse(double contact_seconds) {
    const int length = std::max(1, static_cast<int>(std::lround(contact_seconds * kSampleRate)));
    std::vector<double> pulse(static_cast<std::size_t>(length));
    double area = 0;
    for (int n = 0; n < length; ++n) {
        pulse[static_cast<std::size_t>(n)] = std::sin(std::numbers::pi * (n + 0.5) / length);
        area += pulse[static_cast<std::size_t>(n)];
    }
    for (double& f : pulse) f /= area;
    return pulse;
}

}  // namespace

double Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

void add_strike(std::vector<double>& out, const Strike& strike, Noise& noise) {
    const auto onset = static_cast<std::size_t>(std::lround(strike.onset_seconds * kSampleRate));
    if (onset >= out.size()) throw std::invalid_argument("a strike starts after the end of the sound");
    const std::vector<double> pulse = contact_pulse(strike.contact_seconds);
    const std::size_t length = out.size() - onset;

    for (const Mode& mode : strike.modes) {
        if (mode.frequency >= 0.45 * kSampleRate) throw std::invalid_argument("a mode lies above the band");
        // Two-pole resonator whose impulse response is r^n·sin((n+1)w)/sin(w); the gain
        // sin(w) makes it a sine of unit height.
        const double w = kTwoPi * mode.frequency / kSampleRate;
        const double r = std::exp(-1.0 / (mode.decay_seconds * kSampleRate));
        const double a1 = 2.0 * r * std::cos(w);
        const double a2 = r * r;
        const double gain = strike.force * mode.level * std::sin(w);
        double y1 = 0, y2 = 0;
        for (std::size_t n = 0; n < length; ++n) {
            const double x = n < pulse.size() ? pulse[n] * gain : 0.0;
            const double y = a1 * y1 - a2 * y2 + x;
            y2 = y1;
            y1 = y;
            out[onset + n] += y;
        }
    }

    if (strike.click_level > 0) {
        BandPass filter(strike.click_centre_hz, 0.8);
        const double attack = 0.00015 * kSampleRate;
        const double decay = strike.click_decay_seconds * kSampleRate;
        const auto click_length = std::min(length, static_cast<std::size_t>(decay * 12));
        for (std::size_t n = 0; n < click_length; ++n) {
            const double t = static_cast<double>(n);
            const double envelope = (1.0 - std::exp(-t / attack)) * std::exp(-t / decay);
            out[onset + n] += strike.force * strike.click_level * filter.process(noise.next() * envelope);
        }
    }
}

std::vector<std::int16_t> to_pcm16(std::vector<double> signal, int fade_in, int fade_out, double peak_dbfs) {
    // A one-pole high-pass at 20 Hz keeps the waveform centred on zero.
    const double pole = std::exp(-kTwoPi * 20.0 / kSampleRate);
    double x1 = 0, y1 = 0;
    for (double& s : signal) {
        const double y = s - x1 + pole * y1;
        x1 = s;
        y1 = y;
        s = y;
    }
    const auto size = static_cast<int>(signal.size());
    for (int n = 0; n < size; ++n) {
        double gain = 1.0;
        if (n < fade_in) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * n / fade_in);
        if (const int left = size - 1 - n; left < fade_out)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / fade_out);
        signal[static_cast<std::size_t>(n)] *= gain;
    }
    double peak = 0;
    for (double s : signal) peak = std::max(peak, std::abs(s));
    if (peak == 0) throw std::invalid_argument("a silent sound");
    const double scale = std::pow(10.0, peak_dbfs / 20.0) * 32767.0 / peak;
    std::vector<std::int16_t> out;
    out.reserve(signal.size());
    for (double s : signal)
        out.push_back(static_cast<std::int16_t>(std::clamp(std::lround(s * scale), -32767L, 32767L)));
    return out;
}

}  // namespace kelvara::generator::sound
