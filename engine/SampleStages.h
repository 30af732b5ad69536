// The per-sample stages between the loop buffer and the filter: the gate that
// mutes the tail of each slice, and the bit crusher. Host-free.
#pragma once

#include <cstdint>

#include "common/Truncate.h"

// 1.0 while the frame at `position` into a slice of `length` frames sounds,
// 0.0 in the slice's last `amount` fraction. The first frame always sounds.
inline float gateGain(int32_t position, int32_t length, float amount) {
    if (amount == 0.0f) return 1.0f;
    if ((1.0 - amount) * length > position) return 1.0f;
    return position == 0 ? 1.0f : 0.0f;
}

// Quantises a sample to steps of `step` (= 1 / scale), toward zero: at the
// coarsest setting only -1, -0.5, 0, 0.5 and 1 remain. Samples too loud for
// the integer range saturate instead of wrapping.
inline float crushSample(float x, double scale, double step) {
    return static_cast<float>(truncInt(x * scale) * step);
}
