// The filter designs, checked against what the Audio EQ Cookbook's filters
// must do (gains at DC, at Nyquist and at the centre frequency), which designs
// may run, the biquad step, and the pitch table.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Biquad.h"
#include "engine/PitchTable.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRate = 44100.0;

BiquadCoefficients design(int32_t type, double gainDb, double freq, double bandwidth) {
    BiquadCoefficients c;
    EXPECT_TRUE(designBiquad(type, gainDb, freq, kRate, bandwidth, c)) << type;
    return c;
}

double gainAt(const BiquadCoefficients& c, double w) { return biquadGainAt(c, w); }

double w0Of(double freq) { return 2.0 * kPi * freq / kRate; }
double dbToGain(double db) { return std::pow(10.0, db / 20.0); }  // A² of the cookbook

TEST(FilterDesign, LowPassIsTheCookbookDesignAndRunsAsDirectFormOne) {
    // 2010 Hz, bandwidth 1.0001 octaves: the knob defaults after recompute.
    const BiquadCoefficients c = design(kFilterLowPass, 0.0, 2010.0, 1.0001);
    const double w0 = w0Of(2010.0);
    const double cs = std::cos(w0);
    const double q = 1.0 / (2.0 * std::sinh(std::log(2.0) / 2.0 * 1.0001 * w0 / std::sin(w0)));
    const double alpha = std::sin(w0) / (2.0 * q);
    // The poles pin the frequency and the bandwidth; the gains, with a
    // symmetric numerator, the rest.
    EXPECT_NEAR(c.c3, -2.0 * cs / (1.0 + alpha), 1e-12);
    EXPECT_NEAR(c.c4, (1.0 - alpha) / (1.0 + alpha), 1e-12);
    EXPECT_NEAR(c.c2, c.c0, 1e-15);
    EXPECT_NEAR(gainAt(c, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(gainAt(c, kPi), 0.0, 1e-12);
    EXPECT_TRUE(biquadPlayable(c, 2010.0, kRate));
    BiquadCoefficients none;
    for (int32_t type : {0, 8, -1}) EXPECT_FALSE(designBiquad(type, 0.0, 1000.0, kRate, 1.0, none));
    // The direct-form-I step on an impulse.
    BiquadHistory h;
    const double y0 = runBiquad(1.0, c, h);
    const double y1 = runBiquad(0.0, c, h);
    EXPECT_DOUBLE_EQ(y0, c.c0);
    EXPECT_DOUBLE_EQ(y1, c.c1 - c.c3 * y0);
    EXPECT_DOUBLE_EQ(runBiquad(0.0, c, h), c.c2 - c.c3 * y1 - c.c4 * y0);
    // Running away: an output beyond four times the design's peak gain
    // (Q, 1.39, at the centre) over the loudest input, 1.0, or not a number.
    EXPECT_NEAR(c.peakGain, q, 1e-9);
    for (const auto& [output, away] : {std::pair{0.3, false}, {5.5, false}, {5.6, true},
                                       {-5.6, true}, {std::nan(""), true}}) {
        h.y1 = output;
        EXPECT_EQ(biquadRunningAway(h, c), away) << output;
    }
}

TEST(FilterDesign, DesignsThatCannotRunAreRefused) {
    BiquadCoefficients c;
    // At or above half the sample rate there is no meaningful design.
    for (double freq : {22050.0, 30000.0}) {
        designBiquad(kFilterLowPass, 0.0, freq, kRate, 1.0001, c);
        EXPECT_FALSE(biquadPlayable(c, freq, kRate)) << freq;
    }
    ASSERT_TRUE(designBiquad(kFilterPeaking, 16.0, 16010.0, 1000.0, 0.5, c));
    EXPECT_FALSE(biquadPlayable(c, 16010.0, 1000.0));
    EXPECT_FALSE(biquadPlayable(c, 100.0, 0.0));
    EXPECT_FALSE(biquadPlayable(c, -5.0, kRate));
    // A negative bandwidth (a Filter Q far below its range) turns the poles
    // outward: unstable, so not run.
    EXPECT_FALSE(biquadPlayable(design(kFilterLowPass, 0.0, 1000.0, -3.0), 1000.0, kRate));
    EXPECT_FALSE(biquadPlayable(design(kFilterHighShelf, 1e30, 1000.0, 1.0), 1000.0, kRate));
}

TEST(FilterDesign, PassAndStopBandsOfEachType) {
    const double f0 = 1000.0;
    const double w0 = w0Of(f0);
    const BiquadCoefficients highPass = design(kFilterHighPass, 0.0, f0, 1.0);
    EXPECT_NEAR(gainAt(highPass, kPi), 1.0, 1e-12);
    EXPECT_NEAR(gainAt(highPass, 0.0), 0.0, 1e-12);

    const BiquadCoefficients bandPass = design(kFilterBandPass, 0.0, f0, 1.0);
    EXPECT_NEAR(gainAt(bandPass, w0), 1.0, 1e-9);  // constant 0 dB peak
    EXPECT_NEAR(gainAt(bandPass, 0.0), 0.0, 1e-12);
    EXPECT_NEAR(gainAt(bandPass, kPi), 0.0, 1e-12);

    const BiquadCoefficients notch = design(kFilterNotch, 0.0, f0, 1.0);
    EXPECT_LT(gainAt(notch, w0), 1e-9);  // the zero sits on the centre frequency
    EXPECT_NEAR(gainAt(notch, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(gainAt(notch, kPi), 1.0, 1e-12);

    // Gain is ignored by types 1 to 4.
    for (int32_t type : {kFilterLowPass, kFilterHighPass, kFilterBandPass, kFilterNotch})
        EXPECT_EQ(design(type, -16.0, f0, 1.0).c0, design(type, 16.0, f0, 1.0).c0) << type;
}

TEST(FilterDesign, PeakingAndShelvesReachTheirGain) {
    const double f0 = 2000.0;
    const double w0 = w0Of(f0);
    for (double db : {12.0, -9.0, 0.0}) {
        const BiquadCoefficients peak = design(kFilterPeaking, db, f0, 0.5);
        EXPECT_NEAR(gainAt(peak, w0), dbToGain(db), 1e-9) << db;
        EXPECT_NEAR(gainAt(peak, 0.0), 1.0, 1e-9) << db;
        EXPECT_NEAR(gainAt(peak, kPi), 1.0, 1e-9) << db;

        const BiquadCoefficients low = design(kFilterLowShelf, db, f0, 1.0);
        EXPECT_NEAR(gainAt(low, 0.0), dbToGain(db), 1e-9) << db;
        EXPECT_NEAR(gainAt(low, kPi), 1.0, 1e-9) << db;
        // Half the gain (in dB) at the corner frequency.
        EXPECT_NEAR(gainAt(low, w0), dbToGain(db / 2.0), 1e-9) << db;

        const BiquadCoefficients high = design(kFilterHighShelf, db, f0, 1.0);
        EXPECT_NEAR(gainAt(high, 0.0), 1.0, 1e-9) << db;
        EXPECT_NEAR(gainAt(high, kPi), dbToGain(db), 1e-9) << db;
        EXPECT_NEAR(gainAt(high, w0), dbToGain(db / 2.0), 1e-9) << db;
    }
    // Shelves ignore the bandwidth.
    EXPECT_EQ(design(kFilterLowShelf, 6.0, f0, 0.1).c4, design(kFilterLowShelf, 6.0, f0, 3.0).c4);
}

TEST(PitchTable, SemitoneRatiosAroundEntrySixty) {
    const PitchTable table;
    EXPECT_EQ(table.ratio(60), 1.0f);
    EXPECT_EQ(table.ratio(72), 2.0f);
    EXPECT_EQ(table.ratio(108), 16.0f);
    EXPECT_EQ(table.ratio(12), 1.0f / 16.0f);
    EXPECT_EQ(table.ratio(48), 0.5f);
    EXPECT_NEAR(table.ratio(67), std::pow(2.0, 7.0 / 12.0), 2e-6);
    for (int i = 2; i < 256; ++i) EXPECT_GT(table.ratio(i), table.ratio(i - 1)) << i;
    // Indices outside 1..255 read the nearest end (0 reads entry 1).
    for (int32_t below : {0, -1, -1000}) EXPECT_EQ(table.ratio(below), table.ratio(1));
    for (int32_t above : {256, 1000}) EXPECT_EQ(table.ratio(above), table.ratio(255));
    EXPECT_NEAR(table.ratio(1), std::pow(2.0, 1.0 / 12.0) / 32.0, 1e-8);
}

}  // namespace
