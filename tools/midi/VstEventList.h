// The VstEvents record a host hands to effProcessEvents, with room for a
// fixed number of MIDI events allocated once. The record and its events stay
// untouched until the next fill, so they outlive the block they belong to.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "plugin/vst2.h"
#include "tools/midi/EventSchedule.h"

class VstEventList {
public:
    explicit VstEventList(size_t capacity);

    // The events of the block that starts at `blockStart`, with their
    // deltaFrames inside it; at most `capacity` of them.
    VstEvents* fill(std::span<const ScheduledMidiEvent> events, int64_t blockStart);

private:
    size_t capacity_;
    std::vector<VstMidiEvent> midi_;
    // VstEvents ends in an array of event pointers that really has
    // numEvents entries, so the record is laid out in raw storage.
    std::unique_ptr<VstIntPtr[]> storage_;
};
