// Tempo grids. A bar is always four beats: rate * 240 / tempo frames.
#pragma once

#include <cstdint>

// Whether position falls on a grid of `divisions` points per bar. A grid
// that works out to less than one frame (absurd tempo or rate) is every frame.
inline bool onGrid(int32_t position, int32_t rate, int32_t divisions, int32_t tempo) {
    if (divisions == 0 || tempo == 0) return true;
    const int64_t grid = int64_t{rate} * 240 / divisions / tempo;
    return grid < 1 || position % grid == 0;
}
