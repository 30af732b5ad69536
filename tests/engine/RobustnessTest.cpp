// Whatever a host throws at the audio callback: any block size, any sample
// rate, a transport that stops, jumps back or tells nothing, NaN and infinity
// in the input, knobs set far outside their range between blocks, and every
// factory preset. The output stays finite, within -1..1 and free of denormal
// numbers, and the input buffers are never written.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>

#include "tests/engine/EngineTestSupport.h"

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace {

using namespace engine_test;

constexpr int kFactoryPresets = 13;
constexpr float kInf = std::numeric_limits<float>::infinity();

// What a host may legitimately receive: a finite sample within -1..1 that is
// either zero or a normal number.
::testing::AssertionResult wellFormed(const Stereo& out) {
    for (size_t i = 0; i < out.size(); ++i)
        for (float x : {out.left[i], out.right[i]})
            if (!std::isfinite(x) || std::fabs(x) > 1.0f || (x != 0.0f && std::fabs(x) < FLT_MIN))
                return ::testing::AssertionFailure() << "sample " << x << " at frame " << i;
    return ::testing::AssertionSuccess();
}

enum class Input { kNoise, kSilence, kDenormal, kSquare, kNaN, kInfinity, kHuge };

Stereo signal(Input kind, size_t frames, std::mt19937& random) {
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    Stereo s(frames);
    for (size_t i = 0; i < frames; ++i) {
        float l = 0.0f, r = 0.0f;
        switch (kind) {
            case Input::kNoise: l = noise(random), r = noise(random); break;
            case Input::kSilence: break;
            case Input::kDenormal: l = FLT_MIN / 4.0f, r = -FLT_TRUE_MIN * 3.0f; break;
            case Input::kSquare: l = r = (i / 37) % 2 ? 1.0f : -1.0f; break;
            case Input::kNaN: l = i % 3 ? noise(random) : std::nanf(""), r = std::nanf(""); break;
            case Input::kInfinity: l = i % 2 ? kInf : noise(random), r = -kInf; break;
            case Input::kHuge: l = i % 2 ? 3e38f : -3e38f, r = noise(random) * 1e30f; break;
        }
        s.left[i] = l, s.right[i] = r;
    }
    return s;
}

// Block sizes a host may use: none at all, tiny, odd primes, and very large.
int32_t blockSize(std::mt19937& random) {
    static const int32_t kSizes[] = {0, 1, 2, 3, 7, 31, 64, 97, 127, 509, 1021, 4093, 16384};
    std::uniform_int_distribution<int> pick(0, 19);
    const int choice = pick(random);
    if (choice < 13) return kSizes[choice];
    return std::uniform_int_distribution<int32_t>(1, 64)(random);
}

// Runs a signal through in random blocks, checking that the input stays as
// it was handed over. Between blocks `between` may move knobs or the clock.
template <typename Between>
Stereo churn(TestHost& host, PluginInstance& plugin, const Stereo& in, std::mt19937& random,
             Between&& between) {
    Driver driver{host, plugin};
    const Stereo pristine = in;
    Stereo copy = in;
    Stereo out(in.size(), 0.5f);
    for (size_t at = 0; at < in.size();) {
        const auto frames =
            static_cast<int32_t>(std::min<size_t>(blockSize(random), in.size() - at));
        driver.block(copy.left.data() + at, copy.right.data() + at, out.left.data() + at,
                     out.right.data() + at, frames);
        at += static_cast<size_t>(frames);
        between();
    }
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_TRUE(std::memcmp(&copy.left[i], &pristine.left[i], sizeof(float)) == 0) << i;
        EXPECT_TRUE(std::memcmp(&copy.right[i], &pristine.right[i], sizeof(float)) == 0) << i;
        if (::testing::Test::HasFailure()) break;
    }
    return out;
}

TEST(Robustness, EveryPresetWithEveryKindOfInputAndBlockSize) {
    std::mt19937 random(7);
    for (int preset = 0; preset < kFactoryPresets; ++preset) {
        TestHost host;
        PluginInstance plugin(host);
        plugin.setProgram(preset);
        plugin.set(kRecord, 1.0f);
        for (Input kind : {Input::kNoise, Input::kSilence, Input::kDenormal, Input::kSquare,
                           Input::kNaN, Input::kInfinity, Input::kHuge}) {
            const Stereo out = churn(host, plugin, signal(kind, 6000, random), random, [] {});
            ASSERT_TRUE(wellFormed(out)) << "preset " << preset << " input " << int(kind);
        }
    }
}

TEST(Robustness, SampleRatesTemposAndTransports) {
    std::mt19937 random(11);
    const double rates[] = {1000.0, 8000.0, 22050.0, 44100.0, 96000.0, 192000.0, 768000.0,
                            0.0, -44100.0, 1e12};
    const double tempos[] = {120.0, 1.0, 0.2, 0.0, 999.0, 1e7, -60.0, 97.3, std::nan("")};
    for (double rate : rates) {
        TestHost host;
        host.time.sampleRate = rate;
        PluginInstance plugin(host);
        plugin.setProgram(static_cast<VstInt32>(random() % kFactoryPresets));
        // Everything that reads the clock: grids, pre-roll, quantised
        // lengths, the modulator and a filter swept by its own grid.
        plugin.set(kRecSync, recSyncValue(9));
        plugin.set(kRecOffset, recOffsetValue(3));
        plugin.set(kLengthQuant, 0.5f);
        plugin.set(kModulatorMode, 3.0f / 7.0f);
        plugin.set(kFilterType, 3.0f / 8.0f + 0.01f);
        plugin.set(kFilterSpeed, 0.3f);
        plugin.set(kFilterSpeedSync, 0.5f);
        plugin.set(kFilterFreq, 1.0f);
        plugin.set(kCmdTempoLength, 120.0f);  // the filter designs at the host's rate
        plugin.set(kRecord, 1.0f);
        int block = 0;
        const Stereo out = churn(host, plugin, signal(Input::kNoise, 40000, random), random, [&] {
            switch (++block % 5) {
                case 0: host.time.flags |= kVstTransportPlaying; break;
                case 1: host.time.samplePos -= 30000.0; break;  // jumps backwards
                case 2: host.provideTime = !host.provideTime; break;
                case 3: host.time.flags &= ~kVstTransportPlaying; break;
                default: host.time.tempo = tempos[random() % std::size(tempos)]; break;
            }
            if (block % 97 == 0) host.time.samplePos = 2147483000.0;  // about to wrap
        });
        ASSERT_TRUE(wellFormed(out)) << rate;
    }
}

TEST(Robustness, KnobsFarOutsideTheirRangeBetweenBlocks) {
    std::mt19937 random(3);
    const float wild[] = {-1e30f, -kInf, kInf, 1e30f, -2.0f, -0.5f, 1.5f, 3.0f, 0.0f, 1.0f};
    for (int round = 0; round < 12; ++round) {
        TestHost host;
        PluginInstance plugin(host);
        plugin.setProgram(static_cast<VstInt32>(random() % kFactoryPresets));
        plugin.set(kRecord, 1.0f);
        std::uniform_real_distribution<float> knob(0.0f, 1.0f);
        const Stereo out = churn(host, plugin, signal(Input::kSquare, 30000, random), random, [&] {
            const auto index = static_cast<VstInt32>(random() % kNumParams);
            const float value = random() % 3 == 0 ? wild[random() % std::size(wild)] : knob(random);
            plugin.set(index, value);
            if (random() % 50 == 0) plugin.set(kRecord, 1.0f);
        });
        ASSERT_TRUE(wellFormed(out)) << round;
    }
}

TEST(Robustness, NonFiniteInputIsRecordedAsSilence) {
    TestHost host;
    PluginInstance plugin(host);
    Driver driver{host, plugin};
    plainLoop(plugin, 1000);
    plugin.set(kRecord, 1.0f);
    Stereo in = ramp(2000, 1);
    for (size_t i = 0; i < 1000; i += 10) in.left[i] = in.right[i] = i % 20 ? kInf : std::nanf("");
    const Stereo out = driver.run(in);
    for (size_t i = 1000; i < 2000; ++i) {
        const float expected = (i - 1000) % 10 ? in.left[i - 1000] : 0.0f;
        ASSERT_EQ(out.left[i], expected) << i;
    }
}

TEST(Robustness, SameBuffersInAndOutSoundLikeSeparateOnes) {
    std::mt19937 random(5);
    const Stereo in = signal(Input::kNoise, 20000, random);
    auto render = [&](bool inPlace) {
        TestHost host;
        PluginInstance plugin(host);
        plugin.setProgram(11);  // Broken Speaker: gate, Alter, short slices
        plugin.set(kBlend, 0.6f);
        plugin.set(kMix, 0.4f);
        Driver driver{host, plugin};
        Stereo io = in;
        Stereo out(in.size());
        for (size_t at = 0; at < in.size(); at += 333) {
            const auto n = static_cast<int32_t>(std::min<size_t>(333, in.size() - at));
            float* outL = inPlace ? io.left.data() + at : out.left.data() + at;
            float* outR = inPlace ? io.right.data() + at : out.right.data() + at;
            driver.block(io.left.data() + at, io.right.data() + at, outL, outR, n);
        }
        return inPlace ? io : out;
    };
    const Stereo separate = render(false);
    const Stereo shared = render(true);
    EXPECT_EQ(separate.left, shared.left);
    EXPECT_EQ(separate.right, shared.right);
}

#if defined(__SSE__)
TEST(Robustness, TheCallersFloatingPointModeIsRestored) {
    TestHost host;
    PluginInstance plugin(host);
    plugin.setProgram(5);
    Driver driver{host, plugin};
    const unsigned original = _mm_getcsr();
    for (unsigned mode : {original & ~0x8040u, original | 0x8040u, (original & ~0x8040u) | 0x6000u}) {
        _mm_setcsr(mode);
        Stereo in(300, 0.3f), out(300);
        driver.block(in.left.data(), in.right.data(), out.left.data(), out.right.data(), 300);
        float* inputs[2] = {in.left.data(), in.right.data()};
        float* outputs[2] = {out.left.data(), out.right.data()};
        plugin->process(plugin.effect(), inputs, outputs, 300);
        const unsigned after = _mm_getcsr() & ~0x3Fu;  // the sticky exception flags aside
        _mm_setcsr(original);
        EXPECT_EQ(after, mode & ~0x3Fu);
    }
}
#endif

}  // namespace
