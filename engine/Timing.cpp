#include "engine/Timing.h"

#include "common/Truncate.h"

int32_t sampleRateFromHost(double reported) {
    const int32_t rate = truncInt(reported);
    return rate > 0 ? rate : kFallbackSampleRate;
}

int32_t tempoFromHost(double reported, int32_t previous) {
    const int32_t tempo = truncInt(reported);
    return tempo >= 1 ? tempo : previous;
}

int32_t barLengthFrames(int32_t rate, int32_t tempo) {
    if (tempo < 1) tempo = 1;
    const int64_t bar = int64_t{rate} * 240 / tempo;
    if (bar < 1) return 1;
    if (bar > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(bar);
}

float samplesPerDivision(int32_t divisions, float rate, float tempo) {
    if (divisions == 0 || tempo == 0.0f) return 0.0f;
    return static_cast<float>(static_cast<double>(rate) * 240.0 / divisions / tempo);
}

int32_t quantizeLength(int32_t length, int32_t bar, int32_t divisions) {
    if (divisions == 0) return length;
    const int32_t grid = bar / divisions;
    if (length <= grid || grid < 1) return length;
    return length - length % grid;
}
