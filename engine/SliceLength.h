// How long the next slice is: the Length divided by the division count,
// snapped by Length Quant, glided towards when short, stretched and squeezed
// by Shuffle, varied by the modulator, and kept above a minimum. The pieces
// are host-free; StutterEngine::computeSliceLength strings them together.
#pragma once

#include <cstdint>

// Slices at least this long jump to a new length at once; shorter ones glide.
constexpr int32_t kGlideLimit = 600;

// Moves `glideLength` towards `target`. `unsnapped` is the target before
// Length Quant: the glide's step is one hundredth of its distance from it,
// at least one frame. Answers the length to play.
int32_t glideTowards(int32_t target, int32_t unsnapped, int32_t& glideLength);

// Shuffle lengthens every other slice by half the amount and shortens the
// ones between by as much.
int32_t shuffleLength(int32_t length, float shuffle, int32_t shufflePhase);

// Keeps a slice at least 16 frames long; with a positive offset, which moves
// the slice on anyway, down to a single frame.
int32_t minimumSliceLength(int32_t length, float offsetSamples);
