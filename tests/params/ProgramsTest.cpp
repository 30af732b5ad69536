// The 16 programs as a host sees them: names and factory values after
// selection, what selection applies (and in which order), and program 0's
// tempo-derived length.
#include <gtest/gtest.h>

#include <map>

#include "tests/params/ParamsTestSupport.h"

namespace {

using namespace params_test;

using Values = std::map<int, float>;

TEST(Programs, FactoryPresetsAfterSelection) {
    TestHost host;  // 120 beats per minute, 44100 Hz
    PluginInstance plugin(host);
    const char* const names[kNumPrograms] = {
        "Touch Rec - use length", "The Bar Fly", "Timestrech 1000%", "Time scale - use TRA,length",
        "Downsample 16 times", "Desolate", "One Bar sync", "Studder", "Into the Matrix",
        "Major Arpegio", "Crack Head - use offset", "Broken Speaker",
        "Locked Offseting - Use offset", "QLX-13", "QLX-14", "QLX-15"};
    // Programs with BPM Sync 1.0 get one bar (plus the offset, under the lock)
    // as they are selected; everything else arrives as the table stores it.
    const float oneBar = lengthNormal(88200);
    const Values changes[kNumPrograms] = {
        {{kLength, oneBar}, {kBpmLock, 0}, {kTouchRec, 1}},
        {{kLength, 0.125992f}, {kOffset, 0.954043f}, {kRepeats, 1}, {kBpmLock, 0}},
        {{kLength, 0.170998f}, {kOffset, 0.688030f}},
        {{kLength, 0.170998f}, {kOffset, 0.834370f}, {kPitch, 0.8f}, {kPitchMode, 1},
         {kBpmLock, 0}},
        {{kLength, 0.0171000f}, {kOffset, 0.618921f}, {kRepeats, 1}, {kBpmLock, 0}},
        {{kLength, 0.0683990f}, {kOffset, 0.584090f}, {kBpmLock, 0}},
        {{kLength, oneBar}, {kBpmSync, 1}},
        {{kOffset, 0.834370f}, {kLength, lengthNormal(89200)}, {kDivisionNum, 1}, {kBpmSync, 1}},
        {{kLength, 0.170998f}, {kOffset, 0.570711f}, {kBpmLock, 0}, {kModulatorMode, 0.142857f},
         {kModulatorAmp, 0.95f}, {kModulatorSpeed, 0.1f}},
        {{kLength, 0.170998f}, {kOffset, 0.570711f}, {kBpmLock, 0}, {kModulatorMode, 0.571429f},
         {kModulatorAmp, 1}, {kModulatorSpeed, 0.8f}},
        {{kLength, 0.0341995f}, {kOffset, 0.747462f}, {kBpmLock, 0}},
        {{kLength, 0.144225f}, {kOffset, 0.593060f}, {kGate, 0.957f}, {kBpmLock, 0},
         {kDirection, 1}},
        {{kLength, oneBar}, {kBpmSync, 1}},
        {}, {}, {}};
    for (int p = 0; p < kNumPrograms; ++p) {
        Values expected;  // a fresh record, then the preset's changes
        for (int i = 0; i < kNumParams; ++i) expected[i] = 0.0f;
        for (int i : {kBpmLock, kModulatorPhase}) expected[i] = 1.0f;
        for (int i : {kOffset, kModulatorSpeed, kModulatorAmp, kPitch, kFilterFreq, kFilterQ,
                      kFilterGain})
            expected[i] = 0.5f;
        if (p >= 1 && p <= 12) expected[kRecord] = expected[kClear] = 1.0f;
        for (auto [i, v] : changes[p]) expected[i] = v;

        plugin.setProgram(p);
        ASSERT_EQ(plugin.program(), p);
        EXPECT_EQ(plugin.programName(), std::string(names[p]).substr(0, 23));
        for (auto [i, v] : expected) {
            // Program 7's bar includes its offset of about 1000 frames,
            // truncated: a frame either way.
            const double tolerance = (p == 7 && i == kLength) ? 5e-6 : 1e-6;
            EXPECT_NEAR(plugin.get(i), v, tolerance) << "program " << p << " index " << i;
        }
    }
}

TEST(Programs, SelectionAppliesInItsFixedOrderToLivePrograms) {
    TestHost host;
    PluginInstance plugin(host);
    // The locks are released before anything is applied: coming from a locked
    // program, program 2's length and offset arrive unmoved, and the lock is
    // then taken on them (1000 : 100 frames).
    plugin.setProgram(6);
    plugin.setProgram(2);
    EXPECT_NEAR(plugin.get(kLength), 0.170998f, 1e-6);
    EXPECT_NEAR(plugin.get(kOffset), 0.688030f, 1e-6);
    plugin.set(kLength, lengthNormal(2000) + 1e-6f);
    EXPECT_NEAR(offsetFrames(plugin), 200.0, 0.5);
    // Repeats is applied before Repeat Lock, which selection switches off
    // first: program 1's 17 repeats do not scale its offset.
    plugin.setProgram(13);
    plugin.set(kRepeatLock, 1.0f);
    plugin.setProgram(1);
    EXPECT_NEAR(plugin.get(kOffset), 0.954043f, 1e-6);
    // BPM Sync comes after the lock: program 6 relocks at offset 0 (ratio 1),
    // program 7 at one bar plus ~1000 frames against its 1000 frames.
    plugin.setProgram(6);
    plugin.set(kLength, 0.5f);
    EXPECT_EQ(plugin.display(kOffset), "5000.000");
    plugin.setProgram(7);
    EXPECT_NEAR(lengthFrames(plugin), 89200, 1);
    plugin.set(kLength, 0.5f);
    EXPECT_NEAR(offsetFrames(plugin), 25000.0 * 1000 / 89200, 0.1);

    // Programs are live: edits stay with them; Rec Sync and the offset jumps
    // stay across changes.
    plugin.setProgram(5);
    plugin.set(kGate, 0.3f);
    plugin.setProgram(6);
    EXPECT_EQ(plugin.get(kGate), 0.0f);
    plugin.setProgram(5);
    EXPECT_EQ(plugin.get(kGate), 0.3f);
    EXPECT_EQ(plugin.display(kGate), "9");

    plugin.setProgram(13);
    plugin.set(kRecSync, 0.5f);
    plugin.set(kOffsetJmpFfw, 1.0f);
    plugin.set(kOffsetJmpBack, 1.0f);
    for (int p : {1, 2, 0, 13}) {
        plugin.setProgram(p);
        EXPECT_EQ(plugin.get(kRecSync), 0.5f) << p;
        EXPECT_EQ(plugin.get(kOffsetJmpFfw), 1.0f) << p;
        EXPECT_EQ(plugin.get(kOffsetJmpBack), 1.0f) << p;
        EXPECT_EQ(plugin.display(kRecord), "Waiting") << p;  // Record waits for the grid
    }
}

TEST(Programs, ProgramZeroIsOneBarAtTheHostTimingOfConstruction) {
    struct Case { double tempo, rate; bool timeInfo; long frames; };
    for (const Case& c : {Case{120, 44100, true, 88200}, Case{60, 44100, true, 176400},
                          Case{40, 44100, true, 132300}, Case{120, 48000, true, 96000},
                          Case{0.5, 44100, true, 165375},  // one bar halved until it fits
                          Case{0, 44100, true, 0}, Case{-60, 44100, true, 0},
                          Case{120, 44100, false, 0}}) {
        TestHost host;
        host.time.tempo = c.tempo;
        host.time.sampleRate = c.rate;
        host.provideTime = c.timeInfo;
        PluginInstance plugin(host);
        // Selecting program 0 derives the frames from the stored Length value
        // again, which may truncate to one frame less (96000 does).
        const long frames = lengthFrames(plugin);
        EXPECT_NEAR(frames, c.frames - 0.5, 0.5) << c.tempo;
        EXPECT_NEAR(plugin.get(kLength), lengthNormal(c.frames), 1e-6);
        // Switching on with a tempo-based pre-roll divides by a usable tempo,
        // never by a host's tempo of 0 or below.
        plugin.set(kRecOffset, 1.0f / 9.0f);
        plugin.set(kRecord, 1.0f);
        EXPECT_EQ(plugin.display(kRecord), "Recording") << c.tempo;
        host.time.tempo = 90.0;  // stored in program 0: a later tempo changes nothing
        plugin.setProgram(13);
        plugin.setProgram(0);
        EXPECT_EQ(lengthFrames(plugin), frames) << c.tempo;
    }
}

}  // namespace
