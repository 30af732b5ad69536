// The Length and Offset curves, the stepping rule of the menus and the step
// tables of the stepped parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "params/RangeMapper.h"
#include "params/StepMaps.h"

namespace {

TEST(RangeMapper, OffsetCurveAndItsInverse) {
    const RangeMapper mapper;
    // Values inside the range are the Offset display's (ParameterTextsTest).
    for (auto [v, frames] : {std::pair{1.5, 5000.0}, {-0.5, -5000.0}})
        EXPECT_EQ(mapper.offsetFromNormal(v), frames) << v;
    EXPECT_EQ(mapper.offsetToNormal(0.0), 0.5);
    for (auto [frames, v] : {std::pair{5000.0, 1.0}, {-5000.0, 0.0}, {5000.5, 1.0}, {-9999.0, 0.0}})
        EXPECT_EQ(mapper.offsetToNormal(frames), v) << frames;

    for (int i = 0; i <= 200; ++i)
        EXPECT_NEAR(mapper.offsetToNormal(mapper.offsetFromNormal(i / 200.0)), i / 200.0, 1e-9)
            << i;
    for (double frames = -5000.0; frames <= 5000.0; frames += 125.0)
        EXPECT_NEAR(mapper.offsetFromNormal(mapper.offsetToNormal(frames)), frames, 1e-6);
}

TEST(RangeMapper, LengthCurveAndItsInverse) {
    const RangeMapper mapper;
    EXPECT_EQ(mapper.lengthFromNormal(0.71), 71582);  // 71582.2, truncated
    EXPECT_EQ(mapper.lengthToNormal(200000.0), 1.0);
    EXPECT_EQ(mapper.lengthToNormal(0.0), 0.0);
    // The inverse's exponent is the float 1/3.
    EXPECT_DOUBLE_EQ(mapper.lengthToNormal(25000.0), std::pow(0.125, 0.3333333432674408));
    // Round trips give the frame count or, truncated, one frame less.
    for (int32_t frames : {1, 8, 400, 1000, 25000, 88200, 132300, 199999}) {
        const int32_t back = mapper.lengthFromNormal(mapper.lengthToNormal(frames));
        EXPECT_TRUE(back == frames || back == frames - 1) << frames << " gave " << back;
    }
}

TEST(StepMaps, QuantizeStep) {
    // 1.0 is one past the menu.
    for (auto [v, n, step] : {std::tuple{0.0, 7, 0}, {0.5, 10, 5}, {0.95, 10, 10}, {1.0, 10, 11},
                              {1.0, 2, 3}, {-0.1, 7, -1}, {-1.0, 8, -9}})
        EXPECT_EQ(quantizeStep(v, n), step) << v << " " << n;
    // A menu of n entries sends entry i as i / n; the menus' parameters step
    // with n = entries and get i back.
    for (int entries : {10, 8, 7, 2})
        for (int i = 0; i < entries; ++i)
            EXPECT_EQ(quantizeStep(static_cast<float>(i) / static_cast<float>(entries), entries), i)
                << entries << " entries, entry " << i;
}

TEST(StepMaps, TablesOfTheSteppedParameters) {
    const int32_t recSync[] = {0, 1, 2, 4, 8, 12, 16, 32, 64, 128};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(recSyncDivisionsFor(i / 10.0f), recSync[i]) << i;
    for (float v : {0.95f, 1.0f, -0.05f, 2.0f}) EXPECT_EQ(recSyncDivisionsFor(v), 0) << v;

    // ((240 sr) / d) / bpm in integers, in that order; 17 for the shuffle.
    const int32_t preRoll[] = {0, 5512, 11025, 22050, 5188, 44, 88, 441, 0, 0};
    for (int mode = 0; mode < 10; ++mode)
        EXPECT_EQ(recOffsetFrames(mode, 44100, 120), preRoll[mode]) << mode;
    EXPECT_EQ(recOffsetFrames(1, 48000, 113), 720000 / 113);
    EXPECT_EQ(recOffsetFrames(-1, 44100, 120), 0);

    // Thresholds and edges that the display tests do not reach.
    EXPECT_EQ(lengthQuantDivisionsFor(std::nextafter(0.2f, 0.0f)), 0);
    EXPECT_EQ(lengthQuantDivisionsFor(std::nextafter(0.8f, 0.0f)), 32);
    const int32_t rates[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48};
    for (int step = 0; step < 11; ++step)
        EXPECT_EQ(modulatorStepRateFor((step + 0.5f) / 11.0f), rates[step]) << step;
    EXPECT_EQ(modulatorStepRateFor(2.0f), 0);
    EXPECT_EQ(directionModeFor(std::nextafter(0.5f, 0.0f)), 0);
    const int32_t even[] = {1, 2, 4, 8, 16};
    const int32_t odd[] = {1, 3, 5, 7, 9};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(divisionFor(i / 4.0f, 0.0f), even[i]) << i;
        EXPECT_EQ(divisionFor(i / 4.0f, 0.001f), odd[i]) << i;
    }
    EXPECT_EQ(divisionFor(0.99f, 0.0f), 8);
}

}  // namespace
