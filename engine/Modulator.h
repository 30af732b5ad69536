// The slice-length modulator: periodic swings (Sin, Tan) locked to the song
// position, or stepped tables that divide the slice length so that short,
// buzzing repeats play a melody. Host-free.
#pragma once

#include <cstdint>

enum ModulatorMode : int32_t {
    kModulatorOff = 0,
    kModulatorSin = 1,
    kModulatorTan = 2,
    kModulatorOctaves = 3,
    kModulatorMajorArpeggio = 4,
    kModulatorMinorArpeggio = 5,
    kModulatorMelody = 6,
};

// What the modulator reads on every call.
struct ModulatorInputs {
    int32_t mode = kModulatorOff;
    float speed = 0.0f;      // Modulator Speed value (Sin, Tan)
    float amount = 0.0f;     // Modulator Amp value (Sin, Tan)
    int32_t stepRate = 0;    // table steps per bar
    int32_t stepCount = 0;   // last table entry used
    int32_t songPosition = 0;
    int32_t samplesPerBar = 1;
};

// The modulated slice length. `step` is the table position; it advances on
// the step grid only when stepAllowed is set, and falls back to entry 1
// whenever the divided length would be shorter than 8 frames.
int32_t modulateLength(int32_t length, bool stepAllowed, const ModulatorInputs& in,
                       int32_t& step);
