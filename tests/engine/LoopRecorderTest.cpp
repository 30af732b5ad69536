// The loop recorder and repeat player as a host hears it: real blocks through
// the AEffect record, with a ramp as input so that every output sample names
// the recorded frame it was read from.
#include <gtest/gtest.h>

#include <random>

#include "tests/engine/EngineTestSupport.h"

namespace {

using namespace engine_test;

struct LoopFixture : ::testing::Test {
    TestHost host;
    PluginInstance plugin{host};
    Driver driver{host, plugin};
};

// Non-finite input is recorded as silence; switching off forgets the loop.
TEST_F(LoopFixture, FirstPassPlaysWhatIsRecordedInTheSameStepThenRepeatsUntilSwitchedOff) {
    plainLoop(plugin, 1000);
    ASSERT_EQ(plugin.display(kLength), "   1000");
    plugin.set(kRecord, 1.0f);
    Stereo in = ramp(3500);
    for (size_t i = 10; i < 1000; i += 10) in.left[i] = in.right[i] = i % 20 ? INFINITY : NAN;
    const Stereo out = driver.run(in, 512);
    for (size_t i = 0; i < in.size(); ++i) {
        ASSERT_EQ(rampFrame(out.left[i]), i % 10 ? long(i % 1000) : 0) << i;
        ASSERT_EQ(out.right[i], -out.left[i]) << i;
    }
    plugin.set(kRecord, 0.0f);
    plugin.emptyBlock();
    EXPECT_EQ(plugin.get(kStatusRecordedLength), 0.0f);
    const Stereo dryIn = ramp(1000, 7);
    EXPECT_EQ(driver.run(dryIn).left, dryIn.left);
}

TEST_F(LoopFixture, RecOffsetPlaysThePreRollDryThenStartsAtFrameZero) {
    // A sixteenth of a bar at 120 BPM and 44100 Hz, and the "1/16 shuffle"
    // seventeenth.
    for (const auto& [mode, preRoll] : {std::pair{1, 5512}, std::pair{4, 5188}}) {
        TestHost freshHost;
        PluginInstance fresh(freshHost);
        Driver run{freshHost, fresh};
        plainLoop(fresh, 22050);
        fresh.set(kRecOffset, recOffsetValue(mode));
        fresh.set(kRecord, 1.0f);
        const Stereo in = ramp(20000, 1);
        const Stereo out = run.run(in, 300);
        for (int i = 0; i < preRoll; ++i) ASSERT_EQ(out.left[i], in.left[i]) << mode << " " << i;
        for (size_t i = preRoll; i < in.size(); ++i)
            ASSERT_EQ(out.left[i], in.left[i - preRoll]) << mode << " " << i;
    }
}

// Offset 5000: a beat repeats, and every fourth restart moves it on by 5000 frames.
TEST_F(LoopFixture, ABeatRepeatsAndTheOffsetMovesItOnAfterEveryGroup) {
    plainLoop(plugin, 22050);
    plugin.set(kRepeats, repeatsValue(4));
    plugin.set(kOffset, 1.0f);
    plugin.set(kRecord, 1.0f);
    const Stereo out = driver.run(ramp(200000));
    for (size_t i = 0; i < out.size(); i += 7)
        ASSERT_EQ(rampFrame(out.left[i]), long(i / 88200) * 5000 + long(i % 22050)) << i;
}

TEST_F(LoopFixture, ReverseRecordsForwardAndLoopsBackwardOnceTheBufferIsFull) {
    plainLoop(plugin, 1000);
    plugin.set(kDirection, 0.5f);
    plugin.set(kRecord, 1.0f);
    const Stereo in = ramp(kSampleBufferFrames + 6000);
    const Stereo out = driver.run(in, 4096);
    for (int i = 0; i < kSampleBufferFrames; i += 13) ASSERT_EQ(rampFrame(out.left[i]), i % 1000);
    // Looping: every slice runs from its end (frame 1000) down to frame 1.
    size_t turn = kSampleBufferFrames;
    while (rampFrame(out.left[turn]) != 1000) ++turn;
    ASSERT_LT(turn, size_t{kSampleBufferFrames + 1000});
    for (size_t k = 0; turn + k < out.size(); ++k)
        ASSERT_EQ(rampFrame(out.left[turn + k]), 1000 - long(k % 1000)) << k;
}

TEST_F(LoopFixture, AlterPlaysForwardThenBackAndCountsOneRepeatPerCycle) {
    plainLoop(plugin, 1000);
    plugin.set(kDirection, 1.0f);
    plugin.set(kRepeats, repeatsValue(2));
    plugin.set(kOffset, static_cast<float>(0.5 + 0.5 * std::pow(0.1, 0.25)));  // a fourth-power curve
    ASSERT_EQ(std::stod(plugin.display(kOffset)), 500.0);
    plugin.set(kRecord, 1.0f);
    const Stereo out = driver.run(ramp(6000));
    std::vector<long> expected;
    for (long f = 0; f < 1000; ++f) expected.push_back(f);         // forward
    for (long f = 1000; f > 0; --f) expected.push_back(f);         // back, the restart at the end
    for (long f = 0; f < 1000; ++f) expected.push_back(f);         // the free turn at the start
    for (long f = 1000; f > 500; --f) expected.push_back(f);       // second repeat done: moved by 500
    for (long f = 500; f < 1500; ++f) expected.push_back(f);
    for (long f = 1500; f > 500; --f) expected.push_back(f);
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(rampFrame(out.left[i]), expected[i]) << i;
}

TEST_F(LoopFixture, ReleasePlaysStraightThroughAndRepeatingResumesWhereTheWindowIs) {
    plainLoop(plugin, 1000);
    plugin.set(kRelease, 1.0f);
    plugin.set(kRecord, 1.0f);
    const Stereo held = driver.run(ramp(5000));
    for (size_t i = 0; i < held.size(); ++i) ASSERT_EQ(rampFrame(held.left[i]), long(i)) << i;
    plugin.set(kRelease, 0.0f);
    const Stereo let = driver.run(ramp(4000, 5000));
    for (size_t i = 0; i < let.size(); ++i)
        ASSERT_EQ(rampFrame(let.left[i]), 5000 + long(i % 1000)) << i;
}

// Gate at half travel mutes the last quarter of every slice; the coarsest
// bit crush leaves only half steps.
TEST_F(LoopFixture, GateAndCoarsestBitCrush) {
    plainLoop(plugin, 1000);
    plugin.set(kGate, 0.5f);
    plugin.set(kBitCrush, 1.0f);
    plugin.set(kRecord, 1.0f);
    Stereo in(3000);
    const float left[] = {0.7f, 1.0f, 0.49f, -0.99f}, crushedLeft[] = {0.5f, 1.0f, 0.0f, -0.5f};
    const float right[] = {-0.3f, -1.0f, 0.5f, -0.5f}, crushedRight[] = {0.0f, -1.0f, 0.5f, -0.5f};
    for (size_t i = 0; i < in.size(); ++i) in.left[i] = left[i % 4], in.right[i] = right[i % 4];
    const Stereo out = driver.run(in);
    for (size_t i = 0; i < out.size(); ++i) {
        const bool open = i % 1000 < 750;
        ASSERT_EQ(out.left[i], open ? crushedLeft[i % 4] : 0.0f) << i;
        ASSERT_EQ(out.right[i], open ? crushedRight[i % 4] : 0.0f) << i;
    }
}

TEST_F(LoopFixture, BlendCrossfadesIntoEachNewSliceOverHalfItsLength) {
    plainLoop(plugin, 1000);
    plugin.set(kBlend, 0.5f);
    plugin.set(kRecord, 1.0f);
    // New material reads +0.5 (frames 0..999), the outgoing material -0.5.
    Stereo in(3000, -0.5f);
    for (int i = 0; i < 1000; ++i) in.left[i] = in.right[i] = 0.5f;
    const Stereo out = driver.run(in);
    for (int slice = 1; slice < 3; ++slice) {
        for (int k = 0; k < 1000; ++k) {
            const float weight = out.left[slice * 1000 + k] + 0.5f;  // share of the new material
            const float expected = k < 500 ? static_cast<float>(k + 1) / 500.0f : 1.0f;
            ASSERT_NEAR(weight, expected, 1e-4) << slice << " " << k;
        }
    }
}

TEST_F(LoopFixture, DoubleSpeedOvertakesTheRecordingAndRewindsToTheStart) {
    plainLoop(plugin, 100000);
    plugin.set(kPitchMode, 0.5f);
    plugin.set(kPitch, 0.625f);  // table entry 72: an octave up
    plugin.set(kRecord, 1.0f);
    const Stereo out = driver.run(ramp(2000, 1));
    int rewinds = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const long frame = rampFrame(out.left[i]) - 1;  // -1: not recorded yet
        ASSERT_LE(frame, long(i)) << i;                  // never ahead of the recording
        if (frame == 0) ++rewinds;
    }
    // Each rewind lets the reader catch up again after twice the time:
    // frames 2, 6, 14, 30, ..., 1022.
    EXPECT_GE(rewinds, 9);
}

TEST_F(LoopFixture, RecordUnderRecSyncWaitsForTheGridPoint) {
    host.time.flags |= kVstTransportPlaying;
    host.time.samplePos = 1000;
    plainLoop(plugin, 1000);
    plugin.set(kRecSync, recSyncValue(3));  // four grid points a bar: every 22050 frames
    plugin.set(kRecord, 1.0f);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);  // queued
    const Stereo in = ramp(25000, 1);
    const Stereo out = driver.run(in, 512);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    // The song position reaches 22050 at frame 21050, in the middle of a
    // block: everything before passes dry, recording starts right there.
    const size_t start = 22050 - 1000;
    for (size_t i = 0; i < start + 1000; ++i) ASSERT_EQ(out.left[i], in.left[i]) << i;
    for (size_t i = start + 1000; i < in.size(); ++i)
        ASSERT_EQ(out.left[i], in.left[start + (i - start) % 1000]) << i;
}

// Dry (Mix 1) the engine records all the same; the accumulating process()
// adds the input to the outputs and leaves the engine alone.
TEST_F(LoopFixture, MixSetsWetAgainstDryAndProcessOnlyAdds) {
    plainLoop(plugin, 1000);
    plugin.set(kMix, 1.0f);
    plugin.set(kRecord, 1.0f);
    const Stereo in = ramp(3000, 1);
    EXPECT_EQ(driver.run(in).left, in.left);
    EXPECT_FLOAT_EQ(plugin.get(kStatusRecordPos), 3000.0f / kSampleBufferFrames);

    const float playPos = plugin.get(kStatusPlayPos);
    Stereo add(256, 0.25f), out(256, 0.5f);
    float* inputs[2] = {add.left.data(), add.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    plugin->process(plugin.effect(), inputs, outputs, 256);
    EXPECT_EQ(out.left, std::vector<float>(256, 0.75f));
    EXPECT_EQ(out.right, out.left);
    EXPECT_EQ(add.left, std::vector<float>(256, 0.25f));
    EXPECT_EQ(plugin.get(kStatusPlayPos), playPos);
    EXPECT_FLOAT_EQ(plugin.get(kStatusRecordPos), 3000.0f / kSampleBufferFrames);

    plugin.set(kMix, 0.0f);
    const Stereo wet = driver.run(ramp(1000, 3001));
    for (size_t i = 0; i < 1000; ++i) ASSERT_EQ(rampFrame(wet.left[i]), long(i) + 1) << i;
}

// Hosts bounce and freeze tracks by playing them again: after a resume the
// same input from bar 1 gives the same output, whatever the first pass left
// behind (loop, cursor, repeats, glide, modulator step, filter).
TEST(Resume, PlayingTheSameInputAgainGivesTheSameOutput) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    Stereo in(70000);
    for (size_t i = 0; i < in.size(); ++i) in.left[i] = noise(random), in.right[i] = noise(random);
    for (int program = 0; program < 2 * kNumPrograms; ++program) {
        TestHost host;
        if (program < kNumPrograms) host.time.flags |= kVstTransportPlaying;  // else free-running
        PluginInstance plugin(host);
        const int p = program % kNumPrograms;
        plugin.setProgram(p);
        if (p >= 13) {  // the empty programs get a filter moving on its grids
            plainLoop(plugin, 3000);
            plugin.set(kFilterType, static_cast<float>(p - 12) / 8.0f);
            plugin.set(kFilterSpeed, 0.3f);
            plugin.set(kFilterSpeedSync, static_cast<float>(p - 12) / 9.0f);
            plugin.set(kBlend, 0.5f);
        }
        const auto pass = [&] {
            host.time.samplePos = 0.0;
            plugin.dispatch(effMainsChanged, 0, 1);
            plugin.set(kRecord, 1.0f);
            const Stereo out = Driver{host, plugin}.run(in, 441);
            plugin.dispatch(effMainsChanged, 0, 0);
            return out;
        };
        const Stereo first = pass();
        const Stereo again = pass();
        EXPECT_TRUE(first.left == again.left && first.right == again.right) << program;
    }
}

}  // namespace
