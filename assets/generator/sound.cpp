// Start signal: three short countdown beeps and a longer, higher "go" tone.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen {
namespace {

struct Tone {
    double start;     // seconds
    double length;    // seconds, including the release
    double frequency; // Hz
};

// Raised-cosine ramps: no clicks at the edges, and a gentle exponential fade while the tone holds.
double envelope(double t, double length, double attack, double release, double decayPerSecond) {
    if (t < 0 || t > length)
        return 0;
    double gain = std::exp(-decayPerSecond * t);
    if (t < attack)
        gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    if (t > length - release)
        gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * (length - t) / release);
    return gain;
}

} // namespace

std::vector<std::int16_t> synthesiseStartSound() {
    constexpr double kTotal = 2.2;
    const Tone tones[] = {
        {0.00, 0.18, 880.0},
        {0.50, 0.18, 880.0},
        {1.00, 0.18, 880.0},
        {1.50, 0.62, 1760.0},
    };
    const auto count = static_cast<std::size_t>(kTotal * kSampleRate);
    std::vector<double> mix(count, 0.0);
    for (const Tone& tone : tones) {
        const bool last = tone.frequency > 1000;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate - tone.start;
            const double g = envelope(t, tone.length, 0.008, last ? 0.12 : 0.04, last ? 1.2 : 2.0);
            if (g == 0)
                continue;
            const double w = 2 * std::numbers::pi * tone.frequency * t;
            // A little second and third harmonic makes the beep cut through room noise on small speakers.
            mix[i] += g * (std::sin(w) + 0.25 * std::sin(2 * w) + 0.12 * std::sin(3 * w));
        }
    }
    double peak = 0;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    const double target = std::pow(10.0, -3.0 / 20.0) * 32767.0; // -3 dBFS
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(mix[i] / peak * target));
    return samples;
}

} // namespace gen
