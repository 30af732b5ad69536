// Reading Standard MIDI Files (format 0 and 1) into channel messages with
// their times in seconds. Meta events other than tempo changes and all
// system-exclusive messages are skipped; the file's tempo map places the
// messages in time. A malformed file throws MidiFileError with a one-line
// reason; nothing in the file is trusted before it is checked.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/midi/ByteCursor.h"
#include "tools/midi/MidiEvent.h"

struct SmfChannelEvent {
    uint64_t tick = 0;
    std::array<uint8_t, 3> bytes{};
    uint8_t size = 0;
};

struct SmfTempoChange {
    uint64_t tick = 0;
    uint32_t microsPerQuarter = 500000;
};

struct SmfFile {
    int format = 0;
    int trackCount = 0;
    uint16_t division = 0;  // ticks per quarter note, or SMPTE frames and ticks (top bit set)
    std::vector<SmfChannelEvent> events;  // all tracks merged, in time order
    std::vector<SmfTempoChange> tempos;   // in time order
};

// Largest MIDI file we read; real ones are a few hundred kilobytes at most.
constexpr size_t kMaxMidiFileBytes = 64u << 20;

SmfFile parseSmf(std::span<const uint8_t> bytes);

// The file's channel messages in seconds, in time order.
std::vector<TimedMidiEvent> timedEvents(const SmfFile& file);

// Reads and parses a file; errors name the file.
std::vector<TimedMidiEvent> readMidiFile(const std::string& path);
