// MIDI as a host delivers it: controllers drive parameters through the
// controller map, notes play the effect or recall programs, and the learn
// modes bind the next message.
#include <gtest/gtest.h>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"
#include "tests/midi/MidiEvents.h"

namespace {

constexpr float kMidiStep = 1.0f / 127.0f;

struct MidiInput : ::testing::Test {
    TestHost host;
    PluginInstance plugin{host};
};

TEST_F(MidiInput, DefaultControllerMap) {
    EXPECT_EQ(send(plugin, MidiEventList().controller(1, 127).controller(2, 64).controller(16, 127)
                               .controller(81, 127, 9)),
              1);
    EXPECT_EQ(plugin.get(kLength), 1.0f);
    EXPECT_EQ(plugin.get(kMix), 64 * kMidiStep);
    EXPECT_EQ(plugin.get(kGate), 1.0f);
    EXPECT_EQ(plugin.get(kRepeats), 1.0f);  // every channel alike

    // Pitch bend drives controller 12's entry with its upper seven bits.
    send(plugin, MidiEventList().pitchBend(127, 127));
    EXPECT_EQ(plugin.get(kOffset), 1.0f);
    send(plugin, MidiEventList().pitchBend(64, 0));
    EXPECT_EQ(plugin.get(kOffset), 64 * kMidiStep);
}

TEST_F(MidiInput, ControllerLearnBindsTheNextControllerAndClearUnbindsAll) {
    plugin.set(kCmdLearnKnob, static_cast<float>(kBlend));
    send(plugin, MidiEventList().controller(7, 64));
    EXPECT_EQ(plugin.get(kBlend), 64 * kMidiStep);  // the teaching message sets it too
    // Learning is over: 8 stays unbound.
    send(plugin, MidiEventList().controller(7, 127).controller(8, 127));
    EXPECT_EQ(plugin.get(kBlend), 1.0f);

    // Pitch bend can be learnt too, and rebinds controller 12.
    plugin.set(kCmdLearnKnob, static_cast<float>(kShuffle));
    send(plugin, MidiEventList().pitchBend(127));
    EXPECT_EQ(plugin.get(kShuffle), 1.0f);

    plugin.set(kCmdMidiAction, 1.0f);  // "MIDI Knobs clear"
    const float length = plugin.get(kLength);
    send(plugin, MidiEventList().controller(1, 0).controller(7, 0));
    EXPECT_EQ(plugin.get(kLength), length);
    EXPECT_EQ(plugin.get(kBlend), 1.0f);

    plugin.set(kCmdMidiAction, 0.0f);  // "MIDI Knobs default"
    send(plugin, MidiEventList().controller(1, 0).controller(7, 0));
    EXPECT_EQ(plugin.get(kLength), 0.0f);
    EXPECT_EQ(plugin.get(kBlend), 1.0f);  // 7 is bound to nothing by default

    // Clearing also disarms a pending learn.
    plugin.set(kCmdLearnKnob, static_cast<float>(kGate));
    plugin.set(kCmdMidiAction, 1.0f);
    send(plugin, MidiEventList().controller(5, 127));
    EXPECT_NE(plugin.get(kGate), 1.0f);
}

TEST_F(MidiInput, UnboundNotesSwitchRecordOnAndAnyNoteOffSwitchesItOff) {
    // Velocity 0 is a note-off, and so is controller 126 with any value.
    const MidiEventList offs[] = {MidiEventList().noteOff(72), MidiEventList().noteOn(40, 0),
                                  MidiEventList().controller(126, 5, 3)};
    for (const MidiEventList& off : offs) {
        send(plugin, MidiEventList().noteOn(72));
        EXPECT_EQ(plugin.display(kRecord), "Recording");
        send(plugin, off);
        EXPECT_EQ(plugin.get(kRecord), 0.0f);
    }
}

TEST_F(MidiInput, ProgramLearnAndAutoLearnBindNotesToPrograms) {
    plugin.setProgram(13);  // a program that does not start recording itself
    plugin.set(kCmdMidiAction, 3.0f);  // "MIDI Preset learn"
    // The learning note is handled as a bound note: a queued program change,
    // not a recording.
    send(plugin, MidiEventList().noteOn(70));
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    send(plugin, MidiEventList().noteOff(70));

    // "MIDI Preset clear": note 70 plays the effect again.
    plugin.set(kCmdMidiAction, 4.0f);
    send(plugin, MidiEventList().noteOn(70));
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    send(plugin, MidiEventList().noteOff(70));

    // Auto learn binds 48..63; 47 and 64 stay unbound.
    plugin.set(kCmdMidiAction, 5.0f);
    send(plugin, MidiEventList().noteOn(48).noteOn(63));
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    send(plugin, MidiEventList().noteOn(64));
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
}

TEST_F(MidiInput, MalformedAndForeignEventsAreSkipped) {
    MidiEventList list;
    list.controller(1, 127).last().type = kVstSysExType;
    list.controller(2, 127).last().byteSize = 8;  // too short to hold the MIDI bytes
    list.add(0xC0, 5, 0).add(0xA0, 60, 100).add(0xF8, 0, 0);  // program change, aftertouch, clock
    EXPECT_EQ(send(plugin, list), 1);
    EXPECT_NE(plugin.get(kLength), 1.0f);
    EXPECT_EQ(plugin.get(kMix), 0.0f);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    EXPECT_EQ(plugin.program(), 0);

    // Hosts that count byteSize without the header (24) are whole events.
    MidiEventList compact;
    compact.controller(2, 127).last().byteSize = 24;
    send(plugin, compact);
    EXPECT_EQ(plugin.get(kMix), 1.0f);

    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, nullptr), 1);
}

}  // namespace
