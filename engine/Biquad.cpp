#include "engine/Biquad.h"

#include <cmath>
#include <complex>
#include <initializer_list>

bool designBiquad(int32_t type, double gainDb, double freqHz, double sampleRate,
                  double bandwidth, BiquadCoefficients& out) {
    if (type < kFilterLowPass || type > kFilterHighShelf) return false;

    const double A = std::pow(10.0, gainDb * 0.025);
    const double w0 = freqHz * 6.283185307179586 / sampleRate;
    const double sn = std::sin(w0);
    const double cs = std::cos(w0);
    const double alpha = sn * std::sinh(0.34657359027997264 * bandwidth * w0 / sn);  // ln 2 / 2
    const double beta = std::sqrt(A + A);

    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (type) {
        case kFilterLowPass:
            b0 = (1 - cs) / 2, b1 = 1 - cs, b2 = (1 - cs) / 2;
            a0 = 1 + alpha, a1 = -2 * cs, a2 = 1 - alpha;
            break;
        case kFilterHighPass:
            b0 = (1 + cs) / 2, b1 = -(1 + cs), b2 = (1 + cs) / 2;
            a0 = 1 + alpha, a1 = -2 * cs, a2 = 1 - alpha;
            break;
        case kFilterBandPass:
            b0 = alpha, b1 = 0, b2 = -alpha;
            a0 = 1 + alpha, a1 = -2 * cs, a2 = 1 - alpha;
            break;
        case kFilterNotch:
            b0 = 1, b1 = -2 * cs, b2 = 1;
            a0 = 1 + alpha, a1 = -2 * cs, a2 = 1 - alpha;
            break;
        case kFilterPeaking:
            b0 = 1 + alpha * A, b1 = -2 * cs, b2 = 1 - alpha * A;
            a0 = 1 + alpha / A, a1 = -2 * cs, a2 = 1 - alpha / A;
            break;
        case kFilterLowShelf:
            b0 = A * ((A + 1) - (A - 1) * cs + beta * sn);
            b1 = 2 * A * ((A - 1) - (A + 1) * cs);
            b2 = A * ((A + 1) - (A - 1) * cs - beta * sn);
            a0 = (A + 1) + (A - 1) * cs + beta * sn;
            a1 = -2 * ((A - 1) + (A + 1) * cs);
            a2 = (A + 1) + (A - 1) * cs - beta * sn;
            break;
        case kFilterHighShelf:
            b0 = A * ((A + 1) + (A - 1) * cs + beta * sn);
            b1 = -2 * A * ((A - 1) + (A + 1) * cs);
            b2 = A * ((A + 1) + (A - 1) * cs - beta * sn);
            a0 = (A + 1) - (A - 1) * cs + beta * sn;
            a1 = 2 * ((A - 1) - (A + 1) * cs);
            a2 = (A + 1) - (A - 1) * cs - beta * sn;
            break;
    }
    out.c0 = b0 / a0;
    out.c1 = b1 / a0;
    out.c2 = b2 / a0;
    out.c3 = a1 / a0;
    out.c4 = a2 / a0;
    // Every design here is at its loudest at DC, at its frequency or at
    // Nyquist; a resonant low-pass peaks a little below its frequency, by
    // less than the runaway margin allows for.
    out.peakGain = std::fmax(biquadGainAt(out, w0),
                             std::fmax(biquadGainAt(out, 0.0), biquadGainAt(out, 3.141592653589793)));
    return true;
}

double biquadGainAt(const BiquadCoefficients& c, double w) {
    const std::complex<double> z1 = std::polar(1.0, -w);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((c.c0 + c.c1 * z1 + c.c2 * z2) / (1.0 + c.c3 * z1 + c.c4 * z2));
}

bool biquadPlayable(const BiquadCoefficients& c, double freqHz, double sampleRate) {
    if (!(sampleRate > 0.0) || !(freqHz > 0.0) || !(freqHz < sampleRate * 0.5)) return false;
    for (double k : {c.c0, c.c1, c.c2, c.c3, c.c4})
        if (!std::isfinite(k)) return false;
    // The stability triangle of a second-order denominator 1 + c3 z^-1 + c4 z^-2.
    return std::fabs(c.c4) < 1.0 && std::fabs(c.c3) < 1.0 + c.c4;
}
