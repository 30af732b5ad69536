// The travel every knob of the window shares: 270 degrees, clockwise from
// lower left (value 0) over the top (value 0.5) to lower right (value 1).
#pragma once

#include <numbers>

namespace artwork {

inline constexpr double kKnobStartAngle = 1.25 * std::numbers::pi;  // lower left
inline constexpr double kKnobSweep = 1.5 * std::numbers::pi;        // clockwise

// Screen angle (y grows downwards) of the knob's pointer at `value`, for cairo.
inline constexpr double knobScreenAngle(double value) { return -(kKnobStartAngle - kKnobSweep * value); }

}  // namespace artwork
