// What another thread (or the parameter application on the audio thread) asks
// of the engine. Requests are posted in order and carried out by the audio
// thread at the start of its next block, before it reads anything else, so a
// request made between blocks acts exactly as if it had been carried out at
// once.
#pragma once

#include <cstdint>

#include "engine/EngineClock.h"

struct EngineRequest {
    enum Kind : int32_t {
        kEngage,              // switch the engine on (value 1) or off (0); `count` = division
        kStartPreRoll,        // Rec Offset: `count` = the Rec Offset mode
        kResetLoop,           // forget the recording, start the loop over (`value`: Filter speed)
        kRewind,              // back to the start of the buffer, keeping the recording
        kSetRepeatsLeft,      // `count` repeats before the slice moves on
        kResetPitchLfo,       // the vibrato's clock back to 0 (`count` >= 0: only when beyond it)
        kResetModulatorStep,  // the stepped modulator back to its first entry
        kOffsetJump,          // `count` 1: jump forward one slice at the next restart, 2: back
        kRedesignFilter,      // a filter knob moved: `value` speed, `count` update, `other` restart mode
        kHoldNote,            // a MIDI note plays the loop at its pitch (`count` = note)
        kReleaseNote,         // the note that played it was let go
        kRestartPlayback,     // as a fresh instance: the loop forgotten; `clock`, `value` as above
    };
    Kind kind = kResetLoop;
    int32_t count = 0;
    int32_t other = 0;
    float value = 0.0f;
    EngineClock clock{};
};
