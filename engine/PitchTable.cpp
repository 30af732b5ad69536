#include "engine/PitchTable.h"

#include <cmath>

PitchTable::PitchTable() {
    const float semitone = 1.0f / 12.0f;
    for (int i = 0; i < kEntries; ++i) {
        // The exponent is rounded to float first, which makes the octaves
        // (entries 60, 72, 108, ...) land on exact powers of two.
        const float exponent = static_cast<float>(i) * semitone;
        ratios_[i] = static_cast<float>(std::pow(2.0, static_cast<double>(exponent)) * 0.03125);
    }
}

float PitchTable::ratio(int32_t index) const {
    if (index < 1) return ratios_[1];
    if (index > kEntries - 1) return ratios_[kEntries - 1];
    return ratios_[index];
}
