// The renders whose samples must not change when the engine's code changes
// but its sound should not: every program at several block sizes, the
// benchmark's settings, and a few hundred seeded random settings with
// automation, program changes and MIDI between blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a host does before one block.
struct HostAction {
    enum Kind { kSetParameter, kSetProgram, kMidi, kRestart } kind = kSetParameter;
    int32_t index = 0;  // parameter or program
    float value = 0.0f;
    uint8_t midi[3] = {};
};

struct ScheduledAction {
    int32_t block;  // the action happens before this block is processed
    HostAction action;
};

struct SoundCase {
    std::string name;
    double sampleRate = 44100.0;
    double tempo = 120.0;
    bool playing = true;      // the transport rolls from frame 0
    int32_t block = 512;      // frames per processing call
    int32_t frames = 88200;
    uint32_t inputSeed = 1;   // which test signal
    std::vector<ScheduledAction> actions;
};

// Every case, always the same list in the same order.
std::vector<SoundCase> soundCases();

// The test signal of a case: a drum-like pattern with a bass line and noise,
// interleaved left/right, within -0.9..0.9.
std::vector<float> testSignal(const SoundCase& sound);
