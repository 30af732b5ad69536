// MIDI events placed on the frame grid of a render and handed out block by
// block: each block gets the events that fall inside it, in order, so that
// their offsets from the block start are the VST deltaFrames.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/midi/MidiEvent.h"

struct ScheduledMidiEvent {
    int64_t frame = 0;
    std::array<uint8_t, 3> bytes{};
    uint8_t size = 0;
};

class EventSchedule {
public:
    EventSchedule() = default;
    // Each event goes to the frame nearest its time. At the same frame,
    // note-offs come before the other messages, so that a note that ends
    // where the next one starts never cancels the new one; otherwise the
    // events keep the order they are given in.
    EventSchedule(const std::vector<TimedMidiEvent>& events, double sampleRate);

    // The events of the block [blockStart, blockStart + frames). Blocks are
    // asked for in order; events before `blockStart` were missed and are
    // skipped.
    std::span<const ScheduledMidiEvent> takeBlock(int64_t blockStart, int frames);

    const std::vector<ScheduledMidiEvent>& events() const { return events_; }
    // How many events the blocks asked for so far handed out.
    size_t delivered() const { return delivered_; }

private:
    std::vector<ScheduledMidiEvent> events_;
    size_t next_ = 0;
    size_t delivered_ = 0;
};
