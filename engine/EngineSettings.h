// What the parameter application derives from the knob values and the engine
// reads while it plays: frame counts, step numbers, gains, and the knob values
// the stages use directly. The user-interface thread writes the shared copy;
// the audio thread takes a plain snapshot of it once at the start of a block
// and plays the whole block from that snapshot.
#pragma once

#include <cstdint>

#include "common/Relaxed.h"
#include "params/ParameterIds.h"

// Every derived setting once, as (type, name, initial value).
#define ZARVOLINE_ENGINE_SETTINGS(X)             \
    X(int32_t, lengthSamples, kMaxLoopSamples)   \
    X(float, offsetSamples, 0.0f)                \
    X(int32_t, bpmLockState, 0)                  \
    X(int32_t, repeatCount, 1)                   \
    X(int32_t, directionMode, 0)                 \
    X(int32_t, recSyncDivisions, 0)              \
    X(int32_t, recOffsetMode, 0)                 \
    X(int32_t, lengthQuantDivisions, 0)          \
    X(float, gateAmount, 0.0f)                   \
    X(double, crushScale, 16777216.0)            \
    X(double, crushStep, 1.0 / 16777216.0)       \
    X(float, wetGain, 1.0f)                      \
    X(float, dryGain, 0.0f)                      \
    X(int32_t, modulatorStepRate, 0)             \
    X(int32_t, modulatorStepCount, 0)            \
    X(float, modulatorPolarity, 1.0f)            \
    X(int32_t, modulatorMode, 0)                 \
    X(int32_t, pitchMode, 0)                     \
    X(int32_t, filterType, 0)                    \
    X(int32_t, filterUpdateMode, 0)              \
    X(int32_t, filterRestartMode, 0)             \
    X(int32_t, filterLfoShape, 0)

// The audio thread's copy: plain fields that stay in registers.
struct EngineSettings {
#define ZARVOLINE_PLAIN_FIELD(type, name, initial) type name = initial;
    ZARVOLINE_ENGINE_SETTINGS(ZARVOLINE_PLAIN_FIELD)
#undef ZARVOLINE_PLAIN_FIELD
    float values[kNumParams] = {};  // the parameters' values, as stored
};

// The copy both threads see: one relaxed atomic per field.
struct SharedSettings {
#define ZARVOLINE_SHARED_FIELD(type, name, initial) Relaxed<type> name{initial};
    ZARVOLINE_ENGINE_SETTINGS(ZARVOLINE_SHARED_FIELD)
#undef ZARVOLINE_SHARED_FIELD
    Relaxed<float> values[kNumParams];

    void snapshot(EngineSettings& into) const {
#define ZARVOLINE_COPY_FIELD(type, name, initial) into.name = name.load();
        ZARVOLINE_ENGINE_SETTINGS(ZARVOLINE_COPY_FIELD)
#undef ZARVOLINE_COPY_FIELD
        for (int i = 0; i < kNumParams; ++i) into.values[i] = values[i].load();
    }
};
