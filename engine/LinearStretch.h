// The plainest stretch of all: the cursor moves forward one frame per frame
// (no pitch), nothing crossfades or filters, and the gate stays as it is.
// Then recording is a copy and the replay a pass over consecutive samples,
// both of which the compiler vectorises. Each sample comes out exactly as
// the frame-by-frame path makes it.
#pragma once

#include <cstdint>

// Records `n` safe input samples of one channel at `record`.
void recordLinearly(const float* in, float* record, int32_t n);

// out[k] = safeOutput(crush(gain * loop[k]) * wetGain + safeInput(in[k]) * dryGain).
// `out` may be `in`; `loop` may hold what was just recorded from `in`.
void replayLinearly(const float* loop, const float* in, float* out, int32_t n, float gain,
                    double crushScale, double crushStep, float wetGain, float dryGain);
