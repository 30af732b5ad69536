// The curves that turn the Length and Offset knobs into frames and back.
// Length follows a cube law (half the travel is 25000 of 200000 frames);
// Offset a fourth-power curve either side of the centre, -5000 to +5000 frames,
// so that the fine offsets near zero get most of the knob.
#pragma once

#include <cstdint>

class RangeMapper {
public:
    static constexpr float kOffsetMin = -5000.0f;
    static constexpr float kOffsetMax = 5000.0f;
    static constexpr float kOffsetSpan = 10000.0f;
    static constexpr float kMaxLength = 200000.0f;

    double offsetFromNormal(double v) const;
    double offsetToNormal(double frames) const;
    int32_t lengthFromNormal(double v) const;
    double lengthToNormal(double frames) const;
};

// The single-precision 1/3 of the length curve's inverse.
constexpr double kOneThird = static_cast<double>(1.0f / 3.0f);
