#include "params/StepMaps.h"

#include <cmath>

#include "common/Truncate.h"

int32_t quantizeStep(double v, int n) { return truncInt(std::floor(v * (n + 1))); }

int32_t recSyncDivisionsFor(float v) {
    static constexpr int32_t kDivisions[] = {0, 1, 2, 4, 8, 12, 16, 32, 64, 128};
    const int32_t step = quantizeStep(v, 10);
    return (step >= 1 && step <= 9) ? kDivisions[step] : 0;
}

int32_t recOffsetFrames(int32_t mode, int32_t sampleRate, int32_t tempo) {
    // 64-bit products: 240 times a high sample rate no longer fits 32 bits.
    const int64_t bar = int64_t{240} * sampleRate;
    const int64_t beatsPerMinute = tempo >= 1 ? tempo : 1;
    switch (mode) {
        case 1: return static_cast<int32_t>(bar / 16 / beatsPerMinute);
        case 2: return static_cast<int32_t>(bar / 8 / beatsPerMinute);
        case 3: return static_cast<int32_t>(bar / 4 / beatsPerMinute);
        case 4: return static_cast<int32_t>(bar / 17 / beatsPerMinute);  // "1/16 shuffle"
        case 5: return sampleRate / 1000;
        case 6: return sampleRate / 500;
        case 7: return sampleRate / 100;
        default: return 0;
    }
}

int32_t lengthQuantDivisionsFor(float v) {
    if (v >= 0.8f) return 64;
    if (v >= 0.6f) return 32;
    if (v >= 0.4f) return 16;
    if (v >= 0.2f) return 8;
    return 0;
}

int32_t modulatorStepRateFor(float v) {
    static constexpr int32_t kRates[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64};
    const int32_t step = truncInt(std::floor(11.0f * v));
    return (step >= 0 && step <= 11) ? kRates[step] : 0;
}

int32_t directionModeFor(float v) {
    if (v == 0.0f) return 0;
    if (v == 1.0f) return 1;
    if (static_cast<double>(v) == 0.5) return 2;
    return 0;
}

int32_t divisionFor(float numerator, float denominator) {
    static constexpr int32_t kEven[] = {1, 2, 4, 8, 16};
    static constexpr int32_t kOdd[] = {1, 3, 5, 7, 9};
    int32_t i = truncInt(4.0f * numerator);
    if (i < 0 || i > 4) i = 0;  // the caller resets numerators outside 0..1 first
    return denominator == 0.0f ? kEven[i] : kOdd[i];
}
