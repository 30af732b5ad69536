// The filter stage's arithmetic: the Audio EQ Cookbook designs (bandwidth in
// octaves) and the direct-form-I step. Host-free and allocation-free.
#pragma once

#include <cstdint>

enum FilterType : int32_t {
    kFilterOff = 0,
    kFilterLowPass = 1,
    kFilterHighPass,
    kFilterBandPass,
    kFilterNotch,
    kFilterPeaking,
    kFilterLowShelf,
    kFilterHighShelf,
};

// Normalised coefficients: c0..c2 feed-forward, c3 and c4 feedback.
struct BiquadCoefficients {
    double c0 = 1.0, c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0;
};

// Designs a filter of the given type; false for a type outside 1..7 (no filter).
bool designBiquad(int32_t type, double gainDb, double freqHz, double sampleRate,
                  double bandwidth, BiquadCoefficients& out);

// Whether a design can run: a cutoff above 0 and below half the sample rate,
// finite coefficients, and both poles inside the unit circle.
bool biquadPlayable(const BiquadCoefficients& c, double freqHz, double sampleRate);

struct BiquadHistory {
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

bool biquadHistoryFinite(const BiquadHistory& h);

inline double runBiquad(double x, const BiquadCoefficients& c, BiquadHistory& h) {
    const double y = c.c1 * h.x1 + c.c2 * h.x2 + c.c0 * x - c.c3 * h.y1 - c.c4 * h.y2;
    h.x2 = h.x1;
    h.x1 = x;
    h.y2 = h.y1;
    h.y1 = y;
    return y;
}
