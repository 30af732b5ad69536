// The filter stage's arithmetic: the Audio EQ Cookbook designs (bandwidth in
// octaves) and the direct-form-I step. Host-free and allocation-free.
#pragma once

#include <cmath>
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

// Normalised coefficients: c0..c2 feed-forward, c3 and c4 feedback, and the
// largest gain the design has at any frequency.
struct BiquadCoefficients {
    double c0 = 1.0, c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0;
    double peakGain = 1.0;
};

// Designs a filter of the given type; false for a type outside 1..7 (no filter).
bool designBiquad(int32_t type, double gainDb, double freqHz, double sampleRate,
                  double bandwidth, BiquadCoefficients& out);

// |H| at the angular frequency w, in radians per sample.
double biquadGainAt(const BiquadCoefficients& c, double w);

// Whether a design can run: a cutoff above 0 and below half the sample rate,
// finite coefficients, and both poles inside the unit circle.
bool biquadPlayable(const BiquadCoefficients& c, double freqHz, double sampleRate);

// The last two inputs and outputs, and the loudest input since the history
// was cleared.
struct BiquadHistory {
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    double inputPeak = 0.0;
};

// How far above what its design can make of its input a filter's output may
// go: a design's impulse response sums to a little more than its peak gain,
// and a redesign of a ringing filter overshoots for a moment.
constexpr double kRunawayMargin = 4.0;

// Whether the newest output is out of all proportion to the input: a filter
// whose design moves every few frames can ring up without bound although
// every design on its own is stable. Not a number counts as running away.
inline bool biquadRunningAway(const BiquadHistory& h, const BiquadCoefficients& c) {
    return !(std::fabs(h.y1) <= kRunawayMargin * c.peakGain * h.inputPeak);
}

inline double runBiquad(double x, const BiquadCoefficients& c, BiquadHistory& h) {
    // As std::fmax does for these operands (the peak is never NaN), without
    // the call into the maths library on every sample.
    const double magnitude = std::fabs(x);
    h.inputPeak = magnitude > h.inputPeak ? magnitude : h.inputPeak;
    const double y = c.c1 * h.x1 + c.c2 * h.x2 + c.c0 * x - c.c3 * h.y1 - c.c4 * h.y2;
    h.x2 = h.x1;
    h.x1 = x;
    h.y2 = h.y1;
    h.y1 = y;
    return y;
}
