// What the engine tells the editor and keeps to itself: level reports, the
// buffer-full notice, the glide and the BPM Lock hand-over between blocks, and
// the filter stage's refusal of designs it cannot run. The plug-in class is
// built directly here, with the editor's notifications recorded.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "plugin/StutterEffect.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

using namespace engine_test;

VstTimeInfo probeTime;
bool probeTellsTime = true;

VstIntPtr probeHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetTime)
        return probeTellsTime ? reinterpret_cast<VstIntPtr>(&probeTime) : 0;
    return 0;
}

class ProbeEffect : public StutterEffect {
public:
    ProbeEffect() : StutterEffect(probeHost) {}

    void updateEditorParameter(VstInt32 index, float value) override {
        reports.emplace_back(index, value);
    }

    std::vector<float> reportsOf(VstInt32 index) const {
        std::vector<float> values;
        for (const auto& [i, v] : reports)
            if (i == index) values.push_back(v);
        return values;
    }

    void set(VstInt32 index, float value) { setParameter(index, value); }

    Stereo run(const Stereo& in, int32_t blockSize = 512) {
        return runInBlocks(in, blockSize, [&](float** inputs, float** outputs, int32_t frames) {
            processReplacing(inputs, outputs, frames);
        });
    }

    void emptyBlock() { processReplacing(nullptr, nullptr, 0); }

    std::vector<std::pair<VstInt32, float>> reports;
};

struct ProbeFixture : ::testing::Test {
    void SetUp() override {
        probeTime = VstTimeInfo{};
        probeTime.sampleRate = 44100.0;
        probeTime.tempo = 120.0;
        probeTellsTime = true;
    }
};

TEST_F(ProbeFixture, SongPositionFollowsTheHostOrRunsOnByItself) {
    ProbeEffect effect;
    const EngineState& engine = effect.engineState();
    effect.run(Stereo(1536), 512);  // stopped: one more per block than it processes
    EXPECT_EQ(engine.songPosition, 3 * 513);

    probeTime.flags = kVstTransportPlaying;
    probeTime.samplePos = 96000.0;
    probeTime.sampleRate = 48000.0;
    probeTime.tempo = 140.9;
    effect.run(Stereo(100), 100);
    EXPECT_EQ(engine.songPosition, 96100);
    EXPECT_EQ(engine.hostSampleRate, 48000);
    EXPECT_EQ(engine.hostTempo, 140);
    EXPECT_EQ(engine.samplesPerBar, 82285);

    probeTime.tempo = 0.0;  // the last usable tempo stays
    probeTime.sampleRate = -1.0;
    effect.run(Stereo(10), 10);
    EXPECT_EQ(engine.hostTempo, 140);
    EXPECT_EQ(engine.hostSampleRate, 44100);
    EXPECT_EQ(engine.samplesPerBar, 75600);

    probeTellsTime = false;  // no answer: everything stays, the position runs on
    effect.run(Stereo(10), 10);
    EXPECT_EQ(engine.songPosition, 96000 + 10 + 10);
    EXPECT_EQ(engine.hostTempo, 140);
}

TEST_F(ProbeFixture, LevelIsReportedAfterTheFirstFrameThenEvery513) {
    ProbeEffect effect;
    effect.setParameter(kRecOffset, recOffsetValue(5));  // "1 ms": 44 frames of pre-roll
    effect.setParameter(kRecord, 1.0f);
    effect.reports.clear();

    Stereo in(44 + 1 + 512 + 1 + 513, 0.0f);
    for (size_t i = 0; i < in.size(); ++i) {
        in.left[i] = i < 44 ? 0.0f : 0.5f;
        in.right[i] = i < 44 ? 0.0f : (i < 44 + 1 + 512 ? -0.25f : -1.0f);
    }
    effect.run(in, 64);
    // Pre-roll frames are recorded (silence here) but do not count down: the
    // first report follows the first played frame and averages all 45.
    const std::vector<float> levels = effect.reportsOf(kStatusPlayPos);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_FLOAT_EQ(levels[0], 0.75f / 45.0f);
    EXPECT_FLOAT_EQ(levels[1], (512 * 0.75f + 1.5f) / 513.0f);
    EXPECT_FLOAT_EQ(levels[2], 1.5f);

    // Full scale on both channels reads 2.0.
    effect.reports.clear();
    effect.run(Stereo(513, -1.0f), 100);
    EXPECT_EQ(effect.reportsOf(kStatusPlayPos), std::vector<float>{2.0f});
}

TEST_F(ProbeFixture, FullBufferSwitchesRecordOffOnceKeepsTheProgramAndRepeatsGoOn) {
    ProbeEffect effect;
    plainLoop(effect, 1000);
    effect.setParameter(kRecord, 1.0f);
    effect.reports.clear();
    const Stereo out = effect.run(ramp(kSampleBufferFrames + 3000, 1), 4096);
    EXPECT_EQ(effect.reportsOf(kRecord), std::vector<float>{0.0f});
    EXPECT_EQ(effect.getParameter(kRecord), 0.0f);
    EXPECT_EQ(effect.program(0).value(kRecord), 1.0f);
    EXPECT_EQ(effect.engineState().engaged, 1.0f);
    EXPECT_EQ(effect.engineState().recordedLength, kSampleBufferFrames);
    EXPECT_EQ(effect.engineState().recordPos, kSampleBufferFrames);
    for (size_t i = kSampleBufferFrames; i < out.size(); ++i)
        ASSERT_EQ(rampFrame(out.left[i]), long(i % 1000) + 1) << i;
}

// What one block leaves for the next: the glide moves even in an empty block,
// and BPM Lock holds its just-derived state for one block.
TEST_F(ProbeFixture, StateHandedOverBetweenBlocks) {
    ProbeEffect effect;
    effect.setParameter(kLength, lengthValue(500));
    effect.setParameter(kRecord, 1.0f);
    effect.emptyBlock();
    EXPECT_EQ(effect.engineState().glideLength, 500);  // long slices jump at once
    effect.setParameter(kLength, lengthValue(300));
    effect.emptyBlock();
    EXPECT_EQ(effect.engineState().glideLength, 498);  // short ones glide (TimingTest)

    effect.setParameter(kLength, 0.5f);
    effect.setParameter(kBpmLock, 1.0f);
    effect.setParameter(kOffset, 0.75f);
    EXPECT_EQ(effect.engineSettings().bpmLockState, 2);
    effect.run(Stereo(64));
    EXPECT_EQ(effect.engineSettings().bpmLockState, 1);
}

TEST_F(ProbeFixture, FilterAboveHalfTheSampleRateLetsTheSignalThrough) {
    probeTime.sampleRate = 8000.0;
    const Stereo in = ramp(6000, 1);
    auto render = [&](float filterType, float freq) {
        ProbeEffect effect;
        effect.setParameter(kCmdTempoLength, 120.0f);  // takes the host's rate for the filter
        plainLoop(effect, 1000);
        effect.setParameter(kFilterFreq, freq);
        effect.setParameter(kFilterType, filterType);
        effect.setParameter(kRecord, 1.0f);
        return effect.run(in);
    };
    const float lowPass = 1.0f / 8.0f + 0.01f;
    const Stereo dry = render(0.0f, 1.0f);
    EXPECT_EQ(render(lowPass, 1.0f).left, dry.left);   // 16010 Hz at 8000 Hz: no filter
    EXPECT_NE(render(lowPass, 0.3f).left, dry.left);   // 442 Hz: filtered
}

}  // namespace
