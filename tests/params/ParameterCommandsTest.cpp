// The editor's commands above the host parameters (offset and length
// operations, MIDI actions, tempo length) and the indices that do nothing.
#include <gtest/gtest.h>

#include <set>

#include "tests/midi/MidiEvents.h"
#include "tests/params/ParamsTestSupport.h"

namespace {

using namespace params_test;

enum OffsetOp { kSameAsLength, kHalveOffset, kLengthBy16, kInvert, kDownsample, kZeroReset };
enum LengthOp { kOneBar, kHalveLength, kDoubleLength, kSameAsOffset, kTriplets, kSixteenths };

void offsetOp(const PluginInstance& p, int op) { p.set(kCmdOffsetOp, static_cast<float>(op)); }
void lengthOp(const PluginInstance& p, int op) { p.set(kCmdLengthOp, static_cast<float>(op)); }

std::vector<VstIntPtr> timeMasks(const TestHost& host) {
    std::vector<VstIntPtr> masks;
    for (const HostCall& call : host.callsOf(audioMasterGetTime)) masks.push_back(call.value);
    return masks;
}

TEST(OffsetOperations, DeriveTheOffsetOrRefuseAndRetakeTheLock) {
    TestHost host;
    PluginInstance plugin(host);
    setLengthInFrames(plugin, 6000);
    plugin.set(kOffset, 0.75f);
    offsetOp(plugin, kSameAsLength);  // 6000 > 5000: refused
    offsetOp(plugin, kDownsample);    // 6000 × 1 repeat: refused
    EXPECT_EQ(plugin.display(kOffset), "312.5000");
    plugin.set(kOffset, 0.5f);
    setLengthInFrames(plugin, 4900);
    offsetOp(plugin, kSameAsLength);
    EXPECT_EQ(plugin.display(kOffset), "4900.000");
    EXPECT_NEAR(plugin.get(kOffset), offsetNormal(4900), 1e-6);
    plugin.set(kLength, 0.5f);
    offsetOp(plugin, kLengthBy16);  // 25000 / 16, no lock so no coupling
    EXPECT_NEAR(offsetFrames(plugin), 1562.5, 0.01);
    EXPECT_EQ(lengthFrames(plugin), 25000);
    plugin.set(kLength, 1.0f);
    offsetOp(plugin, kLengthBy16);  // 12500: refused
    EXPECT_NEAR(offsetFrames(plugin), 1562.5, 0.01);

    plugin.set(kOffset, 0.5f);
    setLengthInFrames(plugin, 1000);
    plugin.set(kRepeats, 0.25f);  // 5 repeats: 5000 frames
    offsetOp(plugin, kDownsample);
    EXPECT_EQ(plugin.display(kOffset), "5000.000");
    plugin.set(kOffset, 0.75f);
    plugin.set(kRepeats, 0.3125f);  // 6 repeats: refused
    offsetOp(plugin, kDownsample);
    offsetOp(plugin, kHalveOffset);
    EXPECT_NEAR(offsetFrames(plugin), 156.25, 0.01);
    offsetOp(plugin, kZeroReset);
    EXPECT_EQ(plugin.get(kOffset), 0.5f);
    const std::vector<float> before = allValues(plugin);
    for (float op : {6.0f, -1.0f, 1e9f}) plugin.set(kCmdOffsetOp, op);
    EXPECT_EQ(allValues(plugin), before);

    // The lock is released and taken again around each operation.
    plugin.set(kLength, 0.5f);
    plugin.set(kOffset, 0.75f);
    plugin.set(kBpmLock, 1.0f);  // ratio 80
    offsetOp(plugin, kInvert);  // relocked on -312.5: ratio -80
    EXPECT_EQ(lengthFrames(plugin), 25000);
    plugin.set(kLength, 0.4f);
    EXPECT_NEAR(offsetFrames(plugin), -160.0, 0.002);
    offsetOp(plugin, kHalveOffset);  // coupled: -160 to -80 moves the length +80
    EXPECT_NEAR(offsetFrames(plugin), -80.0, 0.01);
    EXPECT_NEAR(lengthFrames(plugin), 12880, 1);
    offsetOp(plugin, kZeroReset);  // relocked at offset 0: ratio 1
    plugin.set(kLength, 0.1f);
    EXPECT_EQ(plugin.display(kOffset), "200.0000");
    // Operation 0 looks at the lock state, 3 to 5 at the stored value: a
    // stored 0.5 is no lock, but "* -1" then locks for real.
    plugin.set(kBpmLock, 0.5f);
    offsetOp(plugin, kSameAsLength);
    EXPECT_EQ(plugin.display(kBpmLock), "Off");
    offsetOp(plugin, kInvert);
    EXPECT_EQ(plugin.get(kBpmLock), 1.0f);
    EXPECT_EQ(plugin.display(kBpmLock), "On");
}

TEST(LengthOperations, HalveDoubleSameAsOffsetAndTempoLengths) {
    TestHost host;
    PluginInstance plugin(host);
    setLengthInFrames(plugin, 1);
    lengthOp(plugin, kHalveLength);
    EXPECT_EQ(lengthFrames(plugin), 0);
    plugin.set(kLength, 0.5f);
    for (long expected : {50000L, 100000L, 200000L, 200000L}) {
        lengthOp(plugin, kDoubleLength);
        EXPECT_EQ(lengthFrames(plugin), expected);
    }
    EXPECT_EQ(plugin.get(kLength), 1.0f);
    setLengthInFrames(plugin, 151200);
    lengthOp(plugin, kDoubleLength);  // 302400 does not fit
    EXPECT_EQ(lengthFrames(plugin), 151200);
    for (float offset : {0.75f, 0.25f}) {  // the offset's size, also when negative
        plugin.set(kOffset, offset);
        lengthOp(plugin, kSameAsOffset);
        EXPECT_EQ(lengthFrames(plugin), 312) << offset;
        EXPECT_NEAR(plugin.get(kLength), lengthNormal(312), 1e-6) << offset;
    }
    const std::vector<float> before = allValues(plugin);
    lengthOp(plugin, 6);
    EXPECT_EQ(allValues(plugin), before);

    // The tempo lengths ask the host for its tempo first.
    plugin.set(kOffset, 0.5f);
    host.clearCalls();
    lengthOp(plugin, kOneBar);
    EXPECT_EQ(timeMasks(host), (std::vector<VstIntPtr>{kVstTempoValid, 0xE00}));
    EXPECT_EQ(lengthFrames(plugin), 88200);
    EXPECT_NEAR(plugin.get(kLength), lengthNormal(88200), 1e-6);
    lengthOp(plugin, kTriplets);
    EXPECT_EQ(lengthFrames(plugin), 33075);
    lengthOp(plugin, kSixteenths);
    EXPECT_EQ(lengthFrames(plugin), 16537);
    plugin.set(kOffset, 0.75f);
    plugin.set(kBpmSync, 1.0f);  // "1 Bar"; without the lock the offset is not added
    EXPECT_EQ(lengthFrames(plugin), 88200);
    // A stored lock value adds the offset; a lock is taken again on 88512 : 312.5.
    plugin.set(kBpmLock, 1.0f);
    lengthOp(plugin, kOneBar);
    EXPECT_EQ(lengthFrames(plugin), 88512);
    plugin.set(kLength, 0.5f);
    EXPECT_NEAR(offsetFrames(plugin), 25000 * 312.5 / 88512, 0.01);

    // Without time information, or with no tempo, no length changes and the
    // lock comes back.
    host.provideTime = false;
    host.clearCalls();
    for (int op : {kOneBar, kTriplets, kSixteenths}) lengthOp(plugin, op);
    EXPECT_EQ(timeMasks(host), std::vector<VstIntPtr>(3, kVstTempoValid));
    EXPECT_EQ(lengthFrames(plugin), 25000);
    EXPECT_EQ(plugin.display(kBpmLock), "On");
    host.provideTime = true;
    host.time.tempo = 0.0;
    lengthOp(plugin, kOneBar);
    EXPECT_EQ(plugin.get(kLength), 0.5f);

    // The tempo command: one bar at the typed tempo, halved until it fits.
    host.time.tempo = 120.0;
    plugin.set(kBpmLock, 0.0f);
    plugin.set(kLength, 0.5f);
    plugin.set(kOffset, 0.75f);
    plugin.set(kBpmLock, 1.0f);  // ratio 80, left alone by the command
    for (auto [tempo, frames] : {std::pair{120.0f, 88200L}, {60.0f, 176400L}, {100.0f, 105840L},
                                 {40.0f, 132300L}, {20.0f, 132300L}, {7.0f, 189000L}}) {
        host.clearCalls();
        plugin.set(kCmdTempoLength, tempo);
        EXPECT_EQ(lengthFrames(plugin), frames + 312) << tempo;  // the offset added first
        EXPECT_EQ(timeMasks(host), std::vector<VstIntPtr>{0xE00}) << tempo;
    }
    plugin.set(kLength, 0.4f);
    EXPECT_NEAR(offsetFrames(plugin), 160.0, 0.001);  // still ratio 80

    plugin.set(kBpmLock, 0.0f);
    plugin.set(kOffset, 0.25f);
    plugin.set(kCmdTempoLength, 10584000.0f);  // 1 - 312: no length, never a negative one
    EXPECT_EQ(lengthFrames(plugin), 0);
    EXPECT_EQ(plugin.get(kLength), 0.0f);
    plugin.set(kCmdTempoLength, 120.0f);
    for (float tempo : {0.0f, -5.0f, std::nanf("")}) plugin.set(kCmdTempoLength, tempo);
    host.provideTime = false;
    plugin.set(kCmdTempoLength, 60.0f);
    EXPECT_EQ(lengthFrames(plugin), 87888);
}

TEST(MidiActions, RandomizeChangesExactlyTheEightKnobsWithinRange) {
    TestHost host;
    PluginInstance plugin(host);  // program 0: no lock between Length and Offset
    const std::set<int> randomized = {kLength, kOffset,        kDirection,   kBlend,
                                      kGate,   kDivisionDenom, kDivisionNum, kShuffle};
    bool anyChanged = false;
    for (int round = 0; round < 50; ++round) {
        const std::vector<float> before = allValues(plugin);
        host.clearCalls();
        plugin.set(kCmdMidiAction, 2.0f);
        EXPECT_TRUE(host.calls().empty());  // no automation messages
        const std::vector<float> after = allValues(plugin);
        for (int p = 0; p < kNumParams; ++p) {
            const float r = after[p] * 32767.0f;  // r / 32767 for a whole r in 0..32767
            if (!randomized.count(p)) EXPECT_EQ(after[p], before[p]) << p;
            else EXPECT_TRUE(r >= 0.0f && r <= 32767.0f && std::fabs(r - std::round(r)) < 0.01f) << p << " " << r;
            anyChanged |= after[p] != before[p];
        }
    }
    EXPECT_TRUE(anyChanged);
    MidiEventList note;  // program learn is armed too: the note is bound, not played
    note.noteOn(70);
    plugin.dispatch(effProcessEvents, 0, 0, note.build());
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
}

// The MIDI map actions, the learn command and the indices without a parameter
// change no value and no text, send nothing to the host, and ignore NaN.
TEST(Commands, UnusedIndicesMapActionsAndNotANumberChangeNothing) {
    TestHost host;
    PluginInstance plugin(host);
    plugin.set(kOffset, 0.75f);
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kRecord, 1.0f);
    const std::vector<float> values = allValues(plugin);
    const std::vector<std::string> texts = allDisplays(plugin);
    host.clearCalls();
    for (int index : {41, 42, 43, 45, 46, 48, 51, 55, 56, 58, 61, 64})
        for (float value : {1.0f, 0.0f, 63.0f}) plugin.set(index, value);
    for (int index = -1; index <= kCmdTempoLength + 1; ++index) plugin.set(index, std::nanf(""));
    for (float action : {3.0f, 4.0f, 5.0f, 0.0f, 6.0f, -1.0f, 1.0f})
        plugin.set(kCmdMidiAction, action);
    plugin.set(kCmdLearnKnob, 23.9f);  // Blend
    EXPECT_EQ(allValues(plugin), values);
    EXPECT_EQ(allDisplays(plugin), texts);
    EXPECT_TRUE(host.calls().empty());
    MidiEventList modWheel;
    modWheel.controller(1, 127);
    plugin.dispatch(effProcessEvents, 0, 0, modWheel.build());
    EXPECT_EQ(plugin.get(kBlend), 1.0f);
    EXPECT_EQ(plugin.get(kLength), values[kLength]);  // "MIDI Knobs clear" unbound it
}

}  // namespace
