// A channel message (note, controller, pitch bend, ...) at a moment in
// seconds from the start of the render: what both a MIDI file and the
// command line's --note produce, before it is placed on the frame grid.
#pragma once

#include <array>
#include <cstdint>

struct TimedMidiEvent {
    double seconds = 0.0;
    std::array<uint8_t, 3> bytes{};  // status and up to two data bytes; unused bytes are 0
    uint8_t size = 0;

    uint8_t status() const { return bytes[0] & 0xF0; }
    // A note-off, or a note-on with velocity 0, which means the same.
    bool isNoteOff() const {
        return status() == 0x80 || (status() == 0x90 && bytes[2] == 0);
    }
};

// Number of data bytes that follow a channel status byte (0x80 to 0xEF).
inline int channelMessageDataBytes(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}
