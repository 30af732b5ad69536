// The working values of one engaged frame, local to the audio callback: what
// came in, what goes out, and what the steps in between hand each other.
#pragma once

#include <cstdint>

struct EngineFrame {
    float inL = 0.0f, inR = 0.0f;    // the input, already made safe
    float outL = 0.0f, outR = 0.0f;  // the mix that leaves the plug-in
    int32_t len = 1;                 // current slice length in frames
    float lenF = 1.0f;
    bool restart = false;            // the slice starts over on this frame
    float wetL = 0.0f, wetR = 0.0f;  // the replayed signal
    float oldL = 0.0f, oldR = 0.0f;  // the outgoing material during a crossfade
    bool blending = false;
};
