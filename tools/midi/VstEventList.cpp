#include "tools/midi/VstEventList.h"

#include <algorithm>
#include <cstring>

VstEventList::VstEventList(size_t capacity) : capacity_(capacity), midi_(capacity) {
    static_assert(offsetof(VstEvents, events) % sizeof(VstIntPtr) == 0);
    const size_t pointers = std::max<size_t>(capacity, 2);
    storage_ = std::make_unique<VstIntPtr[]>(offsetof(VstEvents, events) / sizeof(VstIntPtr) + pointers);
}

VstEvents* VstEventList::fill(std::span<const ScheduledMidiEvent> events, int64_t blockStart) {
    const size_t count = std::min(events.size(), capacity_);
    auto* record = reinterpret_cast<VstEvents*>(storage_.get());
    auto** slots = reinterpret_cast<VstEvent**>(storage_.get() + offsetof(VstEvents, events) / sizeof(VstIntPtr));
    record->numEvents = static_cast<VstInt32>(count);
    record->reserved = 0;
    for (size_t i = 0; i < count; ++i) {
        VstMidiEvent& midi = midi_[i];
        midi = VstMidiEvent{};
        midi.type = kVstMidiType;
        midi.byteSize = sizeof(VstMidiEvent);
        midi.deltaFrames = static_cast<VstInt32>(events[i].frame - blockStart);
        std::memcpy(midi.midiData, events[i].bytes.data(), 3);
        slots[i] = reinterpret_cast<VstEvent*>(&midi);
    }
    return record;
}
