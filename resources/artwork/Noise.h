// A small fixed-seed random source for the brushed finishes: the same seed
// always draws the same streaks, so the committed bitmaps can be reproduced
// exactly.
#pragma once

#include <cstdint>

namespace artwork {

class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    // Uniform in [0, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ >> 8) * (1.0 / 16777216.0);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

}  // namespace artwork
