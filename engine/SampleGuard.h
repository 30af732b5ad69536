// What crosses the host interface is made safe here. Hosts hand over NaN,
// infinity and denormal samples now and then (a broken plug-in upstream, an
// uninitialised buffer); none of them may reach the loop buffers, the filter
// or the host's output.
#pragma once

#include <cfloat>
#include <cmath>

// Input as the engine records and mixes it: anything not finite is silence,
// and so is a denormal, which the arithmetic would flush anyway.
inline float safeInput(float x) {
    const float magnitude = std::fabs(x);
    return magnitude >= FLT_MIN && magnitude <= FLT_MAX ? x : 0.0f;
}

// Output as the host receives it: a finite sample within -1..1, no denormals.
inline float safeOutput(float x) {
    if (!(x == x)) return 0.0f;
    if (x > 1.0f) return 1.0f;
    if (x < -1.0f) return -1.0f;
    return std::fabs(x) >= FLT_MIN ? x : 0.0f;
}

// A whole block passed through: each sample as safeOutput(safeInput(x))
// gives it, in one pass over the block. `out` may be `in`.
void passThroughSafely(const float* in, float* out, int n);
