// MIDI meeting the engine: program changes wait for the Rec Sync grid and run
// in order, and a held note sets the replay's pitch.
#include <gtest/gtest.h>

#include "tests/engine/EngineTestSupport.h"
#include "tests/midi/MidiEvents.h"

namespace {

using namespace engine_test;

constexpr float kAutoLearn = 5.0f;  // "MIDI Preset auto learn C4-C6": notes 48.. recall 0..

struct MidiEngine : ::testing::Test {
    TestHost host;
    PluginInstance plugin{host};
    Driver driver{host, plugin};
};

TEST_F(MidiEngine, ThreeProgramChangesRunInOrderAndTheFourthIsLost) {
    plugin.set(kCmdMidiAction, kAutoLearn);
    send(plugin, MidiEventList().noteOn(61).noteOn(62).noteOn(52).noteOn(53));  // programs 13, 14, 4, 5
    EXPECT_EQ(plugin.program(), 0);  // nothing happens before the engine runs

    driver.run(Stereo(64));
    EXPECT_EQ(plugin.program(), 4);  // the last of the first three wins
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    EXPECT_EQ(plugin.programName(), "Downsample 16 times");

    // The queue is empty again: the next note is queued and run as well.
    send(plugin, MidiEventList().noteOn(50));
    driver.run(Stereo(8));
    EXPECT_EQ(plugin.program(), 2);
}

TEST_F(MidiEngine, RecSyncDelaysProgramChangesToTheGrid) {
    host.time.flags |= kVstTransportPlaying;
    host.time.samplePos = 1000;
    plugin.set(kCmdMidiAction, kAutoLearn);
    plugin.set(kRecSync, recSyncValue(1));  // one grid point per bar: 88200 frames at 120 BPM
    send(plugin, MidiEventList().noteOn(50));

    while (host.time.samplePos + 512 <= 88200) {
        driver.run(Stereo(512));
        ASSERT_EQ(plugin.program(), 0) << "at " << host.time.samplePos;
    }
    driver.run(Stereo(512));
    EXPECT_EQ(plugin.program(), 2);
    // Program 2 switches Record on; under Rec Sync that request is queued in
    // turn and still runs on this grid point.
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    EXPECT_EQ(plugin.get(kRecSync), recSyncValue(1));  // Rec Sync stays across programs
}

TEST_F(MidiEngine, AHeldNoteReplaysAtItsPitch) {
    plainLoop(plugin, 1000);
    plugin.set(kPitchMode, 1.0f);
    plugin.set(kPitch, 0.25f);  // the knob's pitch gives way to the note's

    send(plugin, MidiEventList().noteOn(72));  // an octave above note 60
    ASSERT_EQ(plugin.get(kRecord), 1.0f);

    // The replay reads the recording at twice the speed: apart from the
    // restarts, successive output frames come from recorded frames two apart.
    const Stereo out = driver.run(ramp(4000), 4000);
    int twoApart = 0;
    for (size_t i = 2000; i < 3999; ++i)
        twoApart += rampFrame(out.left[i + 1]) - rampFrame(out.left[i]) == 2;
    EXPECT_GT(twoApart, 1900);

    // Releasing the note stops the recording and the effect is dry again.
    send(plugin, MidiEventList().noteOff(72));
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    const Stereo dryInput = ramp(256, 5000);
    const Stereo dry = driver.run(dryInput);
    EXPECT_EQ(dry.left, dryInput.left);
}

}  // namespace
