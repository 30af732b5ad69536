// Tempo grids and the host's timing values. A bar is always four beats:
// rate * 240 / tempo frames. Host-free arithmetic, shared by the engine, the
// filter's modulation and the editor's length displays.
#pragma once

#include <cstdint>

constexpr int32_t kFallbackSampleRate = 44100;

// Whether position falls on a grid of `divisions` points per bar. A grid
// that works out to less than one frame (absurd tempo or rate) is every frame.
inline bool onGrid(int32_t position, int32_t rate, int32_t divisions, int32_t tempo) {
    if (divisions == 0 || tempo == 0) return true;
    const int64_t grid = int64_t{rate} * 240 / divisions / tempo;
    return grid < 1 || position % grid == 0;
}

// The host's sample rate as a whole number; a rate that is not positive (or
// not a number) falls back to 44100 Hz.
int32_t sampleRateFromHost(double reported);

// The host's tempo as a whole number of beats per minute. A tempo below one
// beat per minute keeps the previous one: the engine divides by it.
int32_t tempoFromHost(double reported, int32_t previous);

// Frames per bar, (rate * 240) / tempo in integers; at least one frame so
// that nothing downstream divides by zero.
int32_t barLengthFrames(int32_t rate, int32_t tempo);

// Frames of one grid step of `divisions` per bar, in floating point; 0 for no
// divisions or no tempo.
float samplesPerDivision(int32_t divisions, float rate, float tempo);

// Snaps a length down onto a grid of `divisions` steps per bar; lengths
// shorter than one step, and grids under one frame, are left alone.
int32_t quantizeLength(int32_t length, int32_t bar, int32_t divisions);

// Adds with two's-complement wrap-around. The song position and the engine's
// clocks count frames for as long as a host runs; after 2^31 of them they
// wrap instead of overflowing.
constexpr int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
