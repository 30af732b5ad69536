// The host's time as LV2 tells it: a time:Position object when the transport
// starts, stops, jumps or changes tempo, and nothing in between, while the
// song position runs on at the transport's speed. This turns those objects
// into the clock the engine takes at the start of every block, as the VST 2
// version takes the host's time information.
#pragma once

#include <cstdint>

#include <lv2/atom/atom.h>

#include "engine/EngineClock.h"

struct Uris;

class HostClock {
public:
    explicit HostClock(double sampleRate);

    // A time:Position object that arrives `offset` frames into the block
    // about to run. A position may carry only some of its properties (only
    // the speed when the transport stops): the others keep their values.
    void takePosition(const LV2_Atom_Object& position, const Uris& uris, uint32_t offset);
    // The clock for the block about to run: null until the host has told a
    // position (then the engine runs as without time information).
    const EngineClock* forBlock() const { return clock.known ? &clock : nullptr; }
    // After a block of `frames`: the song position moves on at the speed.
    void advance(uint32_t frames);

private:
    EngineClock clock;
    double speed = 0.0;
};
