// Builds the event lists a host hands to effProcessEvents.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "plugin/vst2.h"

class MidiEventList {
public:
    MidiEventList& add(int status, int data1, int data2, VstInt32 deltaFrames = 0) {
        VstMidiEvent event{};
        event.type = kVstMidiType;
        event.byteSize = sizeof(VstMidiEvent);
        event.deltaFrames = deltaFrames;
        event.midiData[0] = static_cast<char>(status);
        event.midiData[1] = static_cast<char>(data1);
        event.midiData[2] = static_cast<char>(data2);
        events_.push_back(event);
        return *this;
    }
    MidiEventList& noteOn(int note, int velocity = 100, int ch = 0) { return add(0x90 | ch, note, velocity); }
    MidiEventList& noteOff(int note, int ch = 0) { return add(0x80 | ch, note, 64); }
    MidiEventList& controller(int number, int value, int ch = 0) { return add(0xB0 | ch, number, value); }
    MidiEventList& pitchBend(int msb, int lsb = 0, int ch = 0) { return add(0xE0 | ch, lsb, msb); }
    VstMidiEvent& last() { return events_.back(); }

    // The list in the host's layout; valid until this object changes.
    VstEvents* build() {
        storage_.assign((sizeof(VstEvents) + events_.size() * sizeof(VstEvent*)) / 8 + 1, 0);
        auto* list = reinterpret_cast<VstEvents*>(storage_.data());
        list->numEvents = static_cast<VstInt32>(events_.size());
        for (size_t i = 0; i < events_.size(); ++i)
            list->events[i] = reinterpret_cast<VstEvent*>(&events_[i]);
        return list;
    }

private:
    std::vector<VstMidiEvent> events_;
    std::vector<uint64_t> storage_;  // 8-byte aligned room for the pointer array
};

// Hands the events to a PluginInstance as a host does.
template <typename Plugin>
VstIntPtr send(const Plugin& plugin, MidiEventList list) {
    return plugin.dispatch(effProcessEvents, 0, 0, list.build());
}
