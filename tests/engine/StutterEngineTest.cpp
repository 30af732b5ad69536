// The engine on its own, with no parameter model and no plug-in format: the
// settings it is given, the requests posted to it, the clock, and what it
// tells its listener.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <vector>

#include "engine/SampleGuard.h"
#include "engine/StutterEngine.h"
#include "tests/engine/Signals.h"

namespace {

using namespace engine_test;

struct Listener : EngineListener {
    std::vector<float> levels;
    int stops = 0;
    std::function<void()> onLevel;
    void levelReport(float level) override {
        levels.push_back(level);
        if (onLevel) onLevel();
    }
    void recordingStopped() override { ++stops; }
    void divisionNumeratorReset() override {}
    void runDeferredCommand(const DeferredCommand&) override {}
};

struct EngineHarness {
    SharedSettings settings;
    Listener listener;
    StutterEngine engine{settings, listener};
    EngineClock clock;

    EngineHarness() {
        clock.known = true;
        clock.sampleRate = 44100.0;
        clock.tempo = 120.0;
        settings.repeatCount = 1;
        settings.wetGain = 1.0f;
        settings.dryGain = 0.0f;
        settings.values[kDivisionNum] = 0.0f;
    }
    void post(EngineRequest::Kind kind, int32_t count = 0, float value = 0.0f) {
        EngineRequest request;
        request.kind = kind;
        request.count = count;
        request.value = value;
        engine.post(request);
    }
    // Record on, as the parameter model asks for it.
    void engage(int32_t loopFrames) {
        settings.lengthSamples = loopFrames;
        settings.values[kRecord] = 1.0f;
        post(EngineRequest::kEngage, 1, 1.0f);
        post(EngineRequest::kResetLoop);
    }
    Stereo run(const Stereo& in, int32_t block = 512) {
        return runInBlocks(in, block, [&](float** inputs, float** outputs, int32_t frames) {
            engine.process(inputs, outputs, frames, &clock);
            if (clock.playing) clock.samplePosition += frames;
        });
    }
};

TEST(StutterEngine, FollowsTheHostsClockOrRunsOnByItself) {
    EngineHarness h;
    const EngineState& state = h.engine.state();
    h.run(Stereo(1536), 512);  // stopped: one more per block than it processes
    EXPECT_EQ(state.songPosition, 3 * 513);

    h.clock.playing = true;
    h.clock.samplePosition = 96000.0;
    h.clock.sampleRate = 48000.0;
    h.clock.tempo = 140.9;
    h.run(Stereo(100), 100);
    EXPECT_EQ(state.songPosition, 96100);
    EXPECT_EQ(state.hostSampleRate, 48000);
    EXPECT_EQ(state.hostTempo, 140);
    EXPECT_EQ(state.samplesPerBar, 82285);
    EXPECT_EQ(h.engine.status().hostSampleRate, 48000);

    h.clock.tempo = 0.0;  // the last usable tempo stays
    h.clock.sampleRate = -1.0;
    h.run(Stereo(10), 10);
    EXPECT_EQ(state.hostTempo, 140);
    EXPECT_EQ(state.hostSampleRate, 44100);

    h.clock.known = false;  // no time told: everything stays, the position runs on
    h.run(Stereo(10), 10);
    EXPECT_EQ(state.songPosition, 96100 + 10 + 10);
    EXPECT_EQ(state.hostTempo, 140);
}

// Requests wait for the next block and are carried out in the order they
// were posted; the dry path passes the input through until then.
TEST(StutterEngine, CarriesOutRequestsInOrderAtTheNextBlock) {
    EngineHarness h;
    const Stereo in = ramp(3000, 1);
    h.engage(1000);
    EXPECT_EQ(h.engine.state().engaged, 0.0f);  // nothing before the block
    const Stereo first = h.run(Stereo(ramp(1000, 1)), 1000);
    EXPECT_EQ(h.engine.state().engaged, 1.0f);
    EXPECT_EQ(h.engine.state().recordedLength, 1000);
    // The first pass plays what is being recorded.
    EXPECT_EQ(rampFrame(first.left[999]), 1000);

    h.post(EngineRequest::kRewind);
    h.post(EngineRequest::kResetLoop);  // after the rewind: the recording is forgotten
    h.run(Stereo(ramp(10, 5000)), 10);
    EXPECT_EQ(h.engine.state().recordedLength, 10);
    EXPECT_EQ(h.engine.status().recordPos, 10);

    h.post(EngineRequest::kEngage, 1, 0.0f);
    const Stereo dry = h.run(in, 512);
    EXPECT_EQ(dry.left, in.left);  // off: the input passes through
}

// A setting changed while a block runs (here from the level report, in the
// middle of the block) is heard from the next block on, never within it.
TEST(StutterEngine, PlaysEachBlockWithTheSettingsItStartedWith) {
    EngineHarness h;
    h.engage(100000);
    bool changed = false;
    h.listener.onLevel = [&] {
        if (!changed) h.settings.wetGain = 0.5f;
        changed = true;
    };
    const Stereo out = h.run(Stereo(2048, 0.25f), 1024);
    ASSERT_TRUE(changed);  // the first report comes after the first frame
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(out.left[i], 0.25f) << i;
    for (int i = 1024; i < 2048; ++i) ASSERT_EQ(out.left[i], 0.125f) << i;
}

// More requests in one block than the queue holds: the loop starts over
// rather than play on from a state no sequence of requests leads to.
TEST(StutterEngine, ALostRequestStartsTheLoopOver) {
    EngineHarness h;
    h.engage(1000);
    h.run(ramp(3000, 1), 500);
    ASSERT_EQ(h.engine.state().recordedLength, 3000);
    for (uint32_t i = 0; i <= RequestRing::kCapacity; ++i) h.post(EngineRequest::kResetModulatorStep);
    h.run(ramp(100, 1), 100);
    EXPECT_EQ(h.engine.state().recordedLength, 100);
    // The queue works again afterwards.
    h.post(EngineRequest::kSetRepeatsLeft, 7);
    h.run(Stereo(1), 1);
    EXPECT_EQ(h.engine.state().repeatsLeft, 7);
}

}  // namespace

namespace {

// The vectorised pass-through and the branch-free conversion agree with the
// sample guards and the plain conversion on every awkward value, at every
// offset into a block (the vectors' tails included).
TEST(StutterEngine, FastPathsAgreeWithThePlainRulesOnAwkwardValues) {
    const float awkward[] = {0.0f, -0.0f, 1e-40f, -1e-40f, FLT_MIN, -FLT_MIN, 0.5f, -0.5f,
                             1.0f, -1.0f, 1.5f, -7.0f, FLT_MAX, -FLT_MAX, INFINITY, -INFINITY,
                             NAN, -NAN, 3e-39f, 0.999999f, 1.0000001f};
    std::vector<float> in;
    for (int copy = 0; copy < 3; ++copy)
        for (float x : awkward) in.push_back(x);
    for (size_t n = 0; n <= in.size(); ++n) {
        std::vector<float> out(n, 99.0f);
        passThroughSafely(in.data(), out.data(), static_cast<int>(n));
        for (size_t i = 0; i < n; ++i) {
            const float expected = safeOutput(safeInput(in[i]));
            ASSERT_EQ(std::memcmp(&out[i], &expected, sizeof(float)), 0) << n << " " << in[i];
        }
    }
    std::vector<float> inPlace = in;
    passThroughSafely(inPlace.data(), inPlace.data(), static_cast<int>(inPlace.size()));
    for (size_t i = 0; i < in.size(); ++i) EXPECT_EQ(inPlace[i], safeOutput(safeInput(in[i])));

    volatile double values[] = {0.0, -0.0, 0.99, -0.99, 2147483646.5, 2147483647.0, 3e9, -2147483648.0,
                                -2147483649.0, -3e9, 1e300, -1e300, INFINITY, -INFINITY, NAN};
    constexpr int32_t expected[] = {0, 0, 0, 0, 2147483646, INT32_MAX, INT32_MAX, INT32_MIN,
                                    INT32_MIN, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX,
                                    INT32_MIN, 0};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(truncInt(values[i]), expected[i]) << i;
    static_assert(truncInt(-2.5) == -2 && truncInt(1e30) == INT32_MAX);
}

}  // namespace
