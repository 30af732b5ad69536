// The time an LV2 host tells a plug-in as it is made: the sample rate and no
// more (no tempo, no song position; those come later with time:Position).
// The DSP binary makes its core with it, and the bundle's description reads
// the start values off a core made the same way, so the ports' defaults are
// the values a fresh instance has.
#pragma once

#include "engine/EngineClock.h"

inline EngineClock lv2StartClock(double sampleRate) {
    EngineClock clock;
    clock.known = true;
    clock.sampleRate = sampleRate;
    return clock;  // tempo 0: the engine keeps its own; song position 0
}
