// The core as a format's adaptor drives it: what it reports (levels, Record
// falling when the buffer is full), what one block hands to the next, and
// the filter stage's refusal of designs it cannot run.
#include <gtest/gtest.h>

#include "tests/core/CoreHarness.h"

namespace {

using namespace core_test;
using namespace engine_test;

TEST(StutterCore, LevelIsReportedAfterTheFirstFrameThenEvery513) {
    CoreHarness h;
    h.set(kRecOffset, recOffsetValue(5));  // "1 ms": 44 frames of pre-roll
    h.set(kRecord, 1.0f);
    h.host.changes.clear();

    Stereo in(44 + 1 + 512 + 1 + 513, 0.0f);
    for (size_t i = 0; i < in.size(); ++i) {
        in.left[i] = i < 44 ? 0.0f : 0.5f;
        in.right[i] = i < 44 ? 0.0f : (i < 44 + 1 + 512 ? -0.25f : -1.0f);
    }
    h.run(in, 64);
    // Pre-roll frames are recorded (silence here) but do not count down: the
    // first report follows the first played frame and averages all 45.
    const std::vector<float> levels = h.host.changesOf(kStatusPlayPos);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_FLOAT_EQ(levels[0], 0.75f / 45.0f);
    EXPECT_FLOAT_EQ(levels[1], (512 * 0.75f + 1.5f) / 513.0f);
    EXPECT_FLOAT_EQ(levels[2], 1.5f);

    // Full scale on both channels reads 2.0.
    h.host.changes.clear();
    h.run(Stereo(513, -1.0f), 100);
    EXPECT_EQ(h.host.changesOf(kStatusPlayPos), std::vector<float>{2.0f});
}

TEST(StutterCore, FullBufferSwitchesRecordOffOnceKeepsTheProgramAndRepeatsGoOn) {
    CoreHarness h;
    plainLoop(h, 1000);
    h.set(kRecord, 1.0f);
    h.host.changes.clear();
    const Stereo out = h.run(ramp(kSampleBufferFrames + 3000, 1), 4096);
    EXPECT_EQ(h.host.changesOf(kRecord), std::vector<float>{0.0f});
    EXPECT_EQ(h.get(kRecord), 0.0f);
    EXPECT_EQ(h.core.parameterModel().programRecord(0).value(kRecord), 1.0f);
    EXPECT_EQ(h.engine().engaged, 1.0f);
    EXPECT_EQ(h.engine().recordedLength, kSampleBufferFrames);
    EXPECT_EQ(h.engine().recordPos, kSampleBufferFrames);
    for (size_t i = kSampleBufferFrames; i < out.size(); ++i)
        ASSERT_EQ(rampFrame(out.left[i]), long(i % 1000) + 1) << i;
}

// What one block leaves for the next: the glide moves even in an empty block,
// and BPM Lock holds its just-derived state for one block.
TEST(StutterCore, StateHandedOverBetweenBlocks) {
    CoreHarness h;
    h.set(kLength, lengthValue(500));
    h.set(kRecord, 1.0f);
    h.emptyBlock();
    EXPECT_EQ(h.engine().glideLength, 500);  // long slices jump at once
    h.set(kLength, lengthValue(300));
    h.emptyBlock();
    EXPECT_EQ(h.engine().glideLength, 498);  // short ones glide (TimingTest)

    h.set(kLength, 0.5f);
    h.set(kBpmLock, 1.0f);
    h.set(kOffset, 0.75f);
    EXPECT_EQ(h.core.parameterModel().sharedSettings().bpmLockState, 2);
    h.run(Stereo(64));
    EXPECT_EQ(h.core.stutterEngine().settingsInUse().bpmLockState, 1);
}

TEST(StutterCore, FilterAboveHalfTheSampleRateLetsTheSignalThrough) {
    const Stereo in = ramp(6000, 1);
    auto render = [&](float filterType, float freq) {
        CoreHarness h;
        h.host.clock.sampleRate = 8000.0;
        h.set(kCmdTempoLength, 120.0f);  // takes the host's rate for the filter
        plainLoop(h, 1000);
        h.set(kFilterFreq, freq);
        h.set(kFilterType, filterType);
        h.set(kRecord, 1.0f);
        return h.run(in);
    };
    const float lowPass = 1.0f / 8.0f + 0.01f;
    const Stereo dry = render(0.0f, 1.0f);
    EXPECT_EQ(render(lowPass, 1.0f).left, dry.left);  // 16010 Hz at 8000 Hz: no filter
    EXPECT_NE(render(lowPass, 0.3f).left, dry.left);  // 442 Hz: filtered
}

// A session saved in one instance and loaded into a fresh one: the same
// values, names, learnt maps and sound; damage is refused and changes nothing.
TEST(StutterCore, StateRoundTripsBetweenInstancesAndRefusesDamage) {
    CoreHarness first;
    first.core.setProgram(7);
    first.set(kShuffle, 0.3f);
    first.set(kGate, 0.2f);
    first.core.setProgramName("My Studder");
    first.set(kCmdLearnKnob, static_cast<float>(kMix));
    first.core.midiMessage(0xB0, 21, 64);  // learns controller 21 for Mix
    first.set(kCmdMidiAction, static_cast<float>(kMidiPresetLearn));
    first.core.midiMessage(0x80, 40, 0);  // learns note 40 for program 7
    const std::vector<uint8_t> saved = first.core.saveState();

    CoreHarness second;
    std::vector<uint8_t> damaged = saved;
    damaged[100] ^= 0x10;
    EXPECT_FALSE(second.core.loadState(damaged.data(), damaged.size()));
    EXPECT_FALSE(second.core.loadState(saved.data(), saved.size() - 1));
    EXPECT_EQ(second.core.program(), 0);
    EXPECT_EQ(second.core.saveState(), CoreHarness().core.saveState());

    ASSERT_TRUE(second.core.loadState(saved.data(), saved.size()));
    EXPECT_EQ(second.core.program(), 7);
    for (int i = 0; i < kNumParams; ++i) {
        if (i == kRecord) continue;  // what the loop does, not a setting
        EXPECT_EQ(second.get(i), first.get(i)) << i;
    }
    char name[kProgramNameSize];
    second.core.programName(7, name);
    EXPECT_STREQ(name, "My Studder");
    EXPECT_EQ(second.core.midiMaps().controllerMap[21], kMix);
    EXPECT_EQ(second.core.midiMaps().noteProgramMap[40], 7);
    EXPECT_EQ(second.core.saveState(), saved);

    // Both play the same from here.
    first.core.resume(&first.host.clock);
    second.core.resume(&second.host.clock);
    first.set(kRecord, 1.0f);
    second.set(kRecord, 1.0f);
    const Stereo in = ramp(20000, 1);
    EXPECT_EQ(first.run(in).left, second.run(in).left);
}

}  // namespace
