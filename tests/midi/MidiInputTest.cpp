// MIDI as a host delivers it: controllers drive parameters through the
// controller map, notes play the effect or recall programs, and the learn
// modes bind the next message.
#include <gtest/gtest.h>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"
#include "tests/midi/MidiEvents.h"

namespace {

constexpr float kMidiStep = 1.0f / 127.0f;

VstIntPtr send(PluginInstance& plugin, MidiEventList& list) {
    return plugin.dispatch(effProcessEvents, 0, 0, list.build());
}

TEST(MidiInput, DefaultControllerMap) {
    TestHost host;
    PluginInstance plugin(host);
    MidiEventList list;
    list.controller(1, 127).controller(2, 64).controller(16, 127).controller(81, 127, 9);
    EXPECT_EQ(send(plugin, list), 1);
    EXPECT_EQ(plugin.get(kLength), 1.0f);
    EXPECT_EQ(plugin.get(kMix), 64 * kMidiStep);
    EXPECT_EQ(plugin.get(kGate), 1.0f);
    EXPECT_EQ(plugin.get(kRepeats), 1.0f);  // every channel alike

    // Controller 7 is bound to nothing.
    const float before[] = {plugin.get(kLength), plugin.get(kMix), plugin.get(kBlend)};
    MidiEventList unbound;
    unbound.controller(7, 3);
    send(plugin, unbound);
    EXPECT_EQ(plugin.get(kLength), before[0]);
    EXPECT_EQ(plugin.get(kMix), before[1]);
    EXPECT_EQ(plugin.get(kBlend), before[2]);

    // Pitch bend drives controller 12's entry with its upper seven bits.
    MidiEventList bend;
    bend.pitchBend(127, 127);
    send(plugin, bend);
    EXPECT_EQ(plugin.get(kOffset), 1.0f);
    MidiEventList centre;
    centre.pitchBend(64, 0);
    send(plugin, centre);
    EXPECT_EQ(plugin.get(kOffset), 64 * kMidiStep);
}

TEST(MidiInput, ControllerLearnBindsTheNextControllerAndClearUnbindsAll) {
    TestHost host;
    PluginInstance plugin(host);
    plugin.set(kCmdLearnKnob, static_cast<float>(kBlend));
    MidiEventList teach;
    teach.controller(7, 64);
    send(plugin, teach);
    EXPECT_EQ(plugin.get(kBlend), 64 * kMidiStep);  // the teaching message sets it too
    MidiEventList again;
    again.controller(7, 127).controller(8, 127);  // learning is over: 8 stays unbound
    send(plugin, again);
    EXPECT_EQ(plugin.get(kBlend), 1.0f);

    // Pitch bend can be learnt too, and rebinds controller 12.
    plugin.set(kCmdLearnKnob, static_cast<float>(kShuffle));
    MidiEventList bend;
    bend.pitchBend(127);
    send(plugin, bend);
    EXPECT_EQ(plugin.get(kShuffle), 1.0f);

    plugin.set(kCmdMidiAction, 1.0f);  // "MIDI Knobs clear"
    const float length = plugin.get(kLength);
    MidiEventList cleared;
    cleared.controller(1, 0).controller(7, 0);
    send(plugin, cleared);
    EXPECT_EQ(plugin.get(kLength), length);
    EXPECT_EQ(plugin.get(kBlend), 1.0f);

    plugin.set(kCmdMidiAction, 0.0f);  // "MIDI Knobs default"
    MidiEventList restored;
    restored.controller(1, 0).controller(7, 0);
    send(plugin, restored);
    EXPECT_EQ(plugin.get(kLength), 0.0f);
    EXPECT_EQ(plugin.get(kBlend), 1.0f);  // 7 is unbound again

    // Clearing also disarms a pending learn.
    plugin.set(kCmdLearnKnob, static_cast<float>(kGate));
    plugin.set(kCmdMidiAction, 1.0f);
    MidiEventList afterClear;
    afterClear.controller(5, 127);
    send(plugin, afterClear);
    EXPECT_NE(plugin.get(kGate), 1.0f);
}

TEST(MidiInput, UnboundNotesSwitchRecordOnAndAnyNoteOffSwitchesItOff) {
    TestHost host;
    PluginInstance plugin(host);
    MidiEventList on;
    on.noteOn(72);
    send(plugin, on);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    EXPECT_EQ(plugin.display(kRecord), "Recording");

    MidiEventList off;
    off.noteOff(72);
    send(plugin, off);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);

    // Velocity 0 is a note-off, and so is controller 126 with any value.
    send(plugin, on);
    MidiEventList silentOn;
    silentOn.noteOn(40, 0);
    send(plugin, silentOn);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    send(plugin, on);
    MidiEventList allOff;
    allOff.controller(126, 5, 3);
    send(plugin, allOff);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
}

TEST(MidiInput, ProgramLearnAndAutoLearnBindNotesToPrograms) {
    TestHost host;
    PluginInstance plugin(host);
    plugin.setProgram(13);  // a program that does not start recording itself
    plugin.set(kCmdMidiAction, 3.0f);  // "MIDI Preset learn"
    MidiEventList learn;
    learn.noteOn(70);
    send(plugin, learn);
    // The learning note is handled as a bound note: a queued program change,
    // not a recording.
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    MidiEventList release;
    release.noteOff(70);
    send(plugin, release);

    // "MIDI Preset clear": note 70 plays the effect again.
    plugin.set(kCmdMidiAction, 4.0f);
    send(plugin, learn);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    send(plugin, release);

    // Auto learn binds 48..63; 47 and 64 stay unbound.
    plugin.set(kCmdMidiAction, 5.0f);
    MidiEventList bound;
    bound.noteOn(48).noteOn(63);
    send(plugin, bound);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    MidiEventList unbound;
    unbound.noteOn(64);
    send(plugin, unbound);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
}

TEST(MidiInput, MalformedAndForeignEventsAreSkipped) {
    TestHost host;
    PluginInstance plugin(host);
    MidiEventList list;
    list.controller(1, 127);
    list.last().type = kVstSysExType;
    list.controller(2, 127);
    list.last().byteSize = 8;  // too short to hold the MIDI bytes
    list.add(0xC0, 5, 0);      // program change
    list.add(0xA0, 60, 100);   // aftertouch
    list.add(0xF8, 0, 0);      // clock
    EXPECT_EQ(send(plugin, list), 1);
    EXPECT_NE(plugin.get(kLength), 1.0f);
    EXPECT_EQ(plugin.get(kMix), 0.0f);
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    EXPECT_EQ(plugin.program(), 0);

    // Hosts that count byteSize without the header (24) are whole events.
    MidiEventList compact;
    compact.controller(2, 127);
    compact.last().byteSize = 24;
    send(plugin, compact);
    EXPECT_EQ(plugin.get(kMix), 1.0f);

    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, nullptr), 1);
}

}  // namespace
