// Read-speed ratios by semitone: entry i plays 2^((i - 60) / 12) times as
// fast, so entry 60 is the original pitch and entry 72 an octave up.
#pragma once

#include <cstdint>

class PitchTable {
public:
    static constexpr int kEntries = 256;
    static constexpr int kUnityEntry = 60;

    PitchTable();
    // Indices below 1 read entry 1, above 255 read entry 255.
    float ratio(int32_t index) const;

private:
    float ratios_[kEntries];
};
