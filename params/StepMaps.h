// How stepped knobs become small integers, and the tables those integers
// index. quantizeStep is the one rule every stepped parameter shares: a menu
// of n + 1 entries sends entry i as i / (n + 1), which maps back to step i.
#pragma once

#include <cstdint>

int32_t quantizeStep(double v, int n);

// Rec Sync: grid points per bar, 0 for no grid.
int32_t recSyncDivisionsFor(float v);
// Rec Offset pre-roll in frames for a mode, at the given rate and whole tempo.
int32_t recOffsetFrames(int32_t mode, int32_t sampleRate, int32_t tempo);
// Length Quant: grid divisions per bar, 0 for free lengths.
int32_t lengthQuantDivisionsFor(float v);
// Modulator Speed: modulator steps per bar, 0 outside the knob's range.
int32_t modulatorStepRateFor(float v);
// Direction: 0 Forward, 1 Alter, 2 Reverse; only exact 0, 1 and 0.5 select.
int32_t directionModeFor(float v);
// Slice divisor from the Division Num and Division Denom values.
int32_t divisionFor(float numerator, float denominator);
