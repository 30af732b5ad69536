// What the parameter setters derive from the knob values and the engine reads
// while it plays: frame counts, step numbers and gains. Written on whichever
// thread sets a parameter, read by the audio thread frame by frame.
#pragma once

#include <cstdint>

#include "params/ParameterIds.h"
#include "params/Relaxed.h"

struct EngineSettings {
    Relaxed<int32_t> lengthSamples{kMaxLoopSamples};
    Relaxed<float> offsetSamples{0.0f};
    Relaxed<int32_t> bpmLockState{0};  // 0 off, 1 locked, 2 locked and length just re-derived
    Relaxed<float> bpmLockRatio{1.0f};
    Relaxed<int32_t> lockWrites{0};  // which of Length and Offset were written since the lock
    Relaxed<int32_t> repeatCount{1};
    Relaxed<int32_t> directionMode{0};  // 0 Forward, 1 Alter, 2 Reverse
    Relaxed<int32_t> offsetJumpRequest{0};  // 1 forward, 2 back; consumed at the next restart
    Relaxed<int32_t> recSyncDivisions{0};
    Relaxed<int32_t> recOffsetMode{0};
    Relaxed<int32_t> lengthQuantDivisions{0};
    Relaxed<float> gateAmount{0.0f};
    Relaxed<double> crushScale{16777216.0};
    Relaxed<double> crushStep{1.0 / 16777216.0};
    Relaxed<float> wetGain{1.0f};
    Relaxed<float> dryGain{0.0f};
    Relaxed<int32_t> modulatorStepRate{0};
    Relaxed<int32_t> modulatorStepCount{0};
    Relaxed<float> modulatorPolarity{1.0f};
    Relaxed<int32_t> modulatorMode{0};
    Relaxed<int32_t> pitchMode{0};
    Relaxed<int32_t> filterType{0};
    Relaxed<int32_t> filterUpdateMode{0};
    Relaxed<int32_t> filterRestartMode{0};
    Relaxed<int32_t> filterLfoShape{0};
};
