#include "params/RangeMapper.h"

#include <cmath>

#include "common/Truncate.h"

double RangeMapper::offsetFromNormal(double v) const {
    if (v > 1.0) return kOffsetMax;
    if (v < 0.0) return kOffsetMin;
    double fraction = 0.5;
    if (v > 0.5)
        fraction = std::pow(2.0 * v - 1.0, 4.0) * 0.5 + 0.5;
    else if (v < 0.5)
        fraction = 0.5 - std::pow(1.0 - 2.0 * v, 4.0) * 0.5;
    return fraction * kOffsetSpan - kOffsetMax;
}

double RangeMapper::offsetToNormal(double frames) const {
    if (frames > kOffsetMax) return 1.0;
    if (frames < kOffsetMin) return 0.0;
    if (frames > 0.0) return std::pow(frames / kOffsetMax, 0.25) * 0.5 + 0.5;
    if (frames < 0.0) return 0.5 - std::pow(-frames / kOffsetMax, 0.25) * 0.5;
    return 0.5;
}

int32_t RangeMapper::lengthFromNormal(double v) const { return truncInt(v * v * v * kMaxLength); }

double RangeMapper::lengthToNormal(double frames) const {
    return std::pow(frames / kMaxLength, kOneThird);
}
