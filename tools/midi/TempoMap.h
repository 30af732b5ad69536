// Converting MIDI file ticks to seconds. With a ticks-per-quarter division
// the length of a tick follows the tempo changes; with an SMPTE division a
// tick has a fixed length and tempo changes do not matter.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/midi/SmfReader.h"

class TempoMap {
public:
    // `tempos` in tick order; before the first change the tempo is 120 BPM.
    TempoMap(uint16_t division, const std::vector<SmfTempoChange>& tempos);

    double seconds(uint64_t tick) const;

private:
    struct Segment {
        uint64_t startTick;
        double startSeconds;
        double secondsPerTick;
    };
    std::vector<Segment> segments_;  // in tick order, the first starting at tick 0
};
