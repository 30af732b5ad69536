// The filter as a host hears it: each channel filtered on its own, at the
// frequency the Filter freq display names whatever the host's sample rate,
// and never running away into full-scale noise, whatever the filter knobs say.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "tests/engine/EngineTestSupport.h"

namespace {

using namespace engine_test;

constexpr double kPi = 3.141592653589793;
constexpr float kLowPass = 0.125f;  // the menu's "LPF"

// A loop long enough that the first pass plays the input as it is recorded,
// through nothing but the filter.
void filteredPassThrough(PluginInstance& plugin) {
    plainLoop(plugin, kMaxLoopSamples);
    plugin.set(kFilterType, kLowPass);
    plugin.set(kRecord, 1.0f);
}

double largestDifference(const std::vector<float>& a, const std::vector<float>& b) {
    double largest = 0.0;
    for (size_t i = 0; i < a.size(); ++i) largest = std::max(largest, std::fabs(double(a[i]) - b[i]));
    return largest;
}

// The low-pass at its centre frequency lets through Q times the input:
// Q of the bandwidth in octaves that Filter Q sets.
double lowPassGainAtCentre(double hz, double rate, double octaves) {
    const double w0 = 2.0 * kPi * hz / rate;
    return 1.0 / (2.0 * std::sinh(std::log(2.0) / 2.0 * octaves * w0 / std::sin(w0)));
}

// The knob defaults put a resonant low-pass at "2010.0" Hz. Played on mono
// material it must peak there (one history for both channels made it act at
// twice the frequency), a channel must not leak into the other, and at a
// rate the host switches to after the instance was made the display still
// names the cutoff.
TEST(FilterSound, LowPassPeaksAtItsDisplayedFrequencyOnEachChannelAlone) {
    for (const double rate : {44100.0, 96000.0}) {
        const auto run = [&](double hz, bool left, bool right) {
            TestHost host;  // made at 44100 Hz
            PluginInstance plugin(host);
            host.time.sampleRate = rate;
            Driver driver{host, plugin};
            filteredPassThrough(plugin);
            plugin.emptyBlock();
            EXPECT_EQ(plugin.display(kFilterFreq), "2010.0");
            const Stereo in = sine(8192, hz, rate, 0.25, left, right);
            return std::pair{in, driver.run(in)};
        };
        const double atCentre = lowPassGainAtCentre(2010.0, rate, 0.5001);
        const auto [in, out] = run(2010.0, true, true);
        EXPECT_NEAR(levelRatio(in.left, out.left), atCentre, 0.02 * atCentre) << rate;
        EXPECT_EQ(largestDifference(out.right, out.left), 0.0) << rate;
        for (const double hz : {500.0, 1000.0, 3000.0, 4020.0, 8000.0}) {
            const auto [offIn, offOut] = run(hz, true, true);
            EXPECT_LT(levelRatio(offIn.left, offOut.left), atCentre) << rate << " " << hz;
        }
        // A tone on one side only: the other stays silent, and the tone's
        // own side is filtered as it is on mono material.
        const auto [leftIn, leftOut] = run(2010.0, true, false);
        EXPECT_EQ(largestDifference(leftOut.right, Stereo(leftIn.size()).right), 0.0) << rate;
        EXPECT_EQ(largestDifference(leftOut.left, out.left), 0.0) << rate;
    }
}

// The fraction of output samples at full scale with noise at a quarter of it.
double fullScaleShare(PluginInstance& plugin, TestHost& host, unsigned seed, size_t frames) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-0.25f, 0.25f);
    Stereo in(frames);
    for (size_t i = 0; i < frames; ++i) in.left[i] = noise(random), in.right[i] = noise(random);
    const Stereo out = Driver{host, plugin}.run(in);
    size_t full = 0;
    for (size_t i = 0; i < frames; ++i)
        full += (std::fabs(out.left[i]) >= 1.0f) + (std::fabs(out.right[i]) >= 1.0f);
    return double(full) / double(2 * frames);
}

// With Release held the slice window slides along with the cursor; the
// "Length" grid of the filter's modulation once fired on every frame there,
// moving the design at audio rate until the filter rang up to full scale.
TEST(FilterSound, HeldReleaseNeverDrivesTheFilterToFullScale) {
    struct Setting { float values[9]; };
    const int knobs[] = {kFilterType, kFilterFreq, kFilterQ, kFilterGain, kFilterSpeed,
                         kFilterSpeedSync, kFilterSpeedRestart, kFilterSpeedType, kPitch};
    const auto fullScaleWith = [&](const float (&values)[9], unsigned seed) {
        TestHost host;
        host.time.flags |= kVstTransportPlaying;
        PluginInstance plugin(host);
        plainLoop(plugin, 22050);
        plugin.set(kPitchMode, 0.5f);
        plugin.set(kRelease, 1.0f);
        for (size_t k = 0; k < std::size(knobs); ++k) plugin.set(knobs[k], values[k]);
        plugin.set(kRecord, 1.0f);
        return fullScaleShare(plugin, host, seed, 11025);
    };
    // The reported case: LPF, Filter freq 0.393, Filter Q 0.365, Filter
    // Speed 0.231, "Length", "Free (Off)", "Down", Pitch +9 semitones.
    const Setting reported{{kLowPass, 0.393f, 0.365f, 0.5f, 0.231f, 1.5f / 9.0f, 0.0f, 0.0f,
                            57.5f / 96.0f}};
    EXPECT_LT(fullScaleWith(reported.values, 1), 0.01);

    // Every design under random knobs, the modulation on the "Length" grid.
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    int runaways = 0;
    for (int n = 0; n < 300; ++n) {
        Setting s{};
        for (float& v : s.values) v = unit(random);
        s.values[0] = static_cast<float>(1 + n % 7) / 8.0f;
        s.values[5] = reported.values[5];
        if (fullScaleWith(s.values, n) > 0.5) ++runaways;
    }
    EXPECT_EQ(runaways, 0) << "of 300";
}

}  // namespace
