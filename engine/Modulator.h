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

// The periodic swing of Sin and Tan: one period per bar divided by the
// speed, locked to the song position.
struct SwingShape {
    int32_t period = 1;            // frames
    double radiansPerFrame = 0.0;
    bool sine = true;              // Sin; else Tan
    float amount = 0.0f;
};
SwingShape swingShape(const ModulatorInputs& in);
// The swung length at `phase` frames into the period.
int32_t swingAt(int32_t length, int32_t phase, const SwingShape& shape);

// The modulated slice length. `step` is the table position; it advances on
// the step grid only when stepAllowed is set, and falls back to entry 1
// whenever the divided length would be shorter than 8 frames.
int32_t modulateLength(int32_t length, bool stepAllowed, const ModulatorInputs& in,
                       int32_t& step);
