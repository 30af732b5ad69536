// Test material for the LV2 DSP tests: a stereo signal with transients and
// tones that every program audibly changes, made the same way every run.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace lv2_test {

struct Stereo {
    std::vector<float> left, right;
    size_t frames() const { return left.size(); }
};

// A kick-like thump every half second over a drifting pair of tones and a
// little seeded noise, at 44.1 kHz.
inline Stereo testSignal(size_t frames) {
    Stereo s{std::vector<float>(frames), std::vector<float>(frames)};
    uint32_t seed = 12345;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        const double beat = std::fmod(t, 0.5);
        const double thump = std::exp(-beat * 30.0) * std::sin(2.0 * M_PI * 60.0 * beat);
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 0.05;
        s.left[i] = static_cast<float>(0.5 * thump + 0.2 * std::sin(2.0 * M_PI * 220.0 * t) + noise);
        s.right[i] = static_cast<float>(0.5 * thump + 0.2 * std::sin(2.0 * M_PI * 331.0 * t) - noise);
    }
    return s;
}

}  // namespace lv2_test
