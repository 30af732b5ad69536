// Bars, grids and slice lengths, at the numbers a musician meets: 120, 140
// and fractional tempos, glides into short loops, shuffle.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "engine/SliceLength.h"
#include "engine/Timing.h"

namespace {

TEST(Timing, BarLengthFromTheHostsRateAndWholeTempo) {
    EXPECT_EQ(barLengthFrames(44100, 120), 88200);
    EXPECT_EQ(barLengthFrames(44100, tempoFromHost(128.7, 120)), 82687);  // 128.7 plays as 128
    EXPECT_EQ(barLengthFrames(768000, 1), 184320000);
    EXPECT_EQ(barLengthFrames(1000, 999), 240);
    // A bar never shrinks below a frame, whatever the host reports.
    EXPECT_EQ(barLengthFrames(1, 100000), 1);
    EXPECT_EQ(barLengthFrames(INT32_MAX, 1), INT32_MAX);

    EXPECT_EQ(tempoFromHost(0.5, 133), 133);  // below one beat a minute: keep the last
    EXPECT_EQ(tempoFromHost(-120.0, 133), 133);
    EXPECT_EQ(tempoFromHost(1.0, 133), 1);
    EXPECT_EQ(sampleRateFromHost(48000.9), 48000);
    for (double unusable : {0.0, -1.0, std::nan("")}) EXPECT_EQ(sampleRateFromHost(unusable), 44100);
}

TEST(Timing, GridsAndQuantisedLengths) {
    EXPECT_TRUE(onGrid(22050 * 3, 44100, 4, 120));
    EXPECT_FALSE(onGrid(22050 * 3 + 1, 44100, 4, 120));
    EXPECT_TRUE(onGrid(12345, 44100, 0, 120));      // no grid
    EXPECT_TRUE(onGrid(12345, 10, 128, 10000));     // a grid under one frame is every frame

    EXPECT_FLOAT_EQ(samplesPerDivision(64, 44100.0f, 120.0f), 1378.125f);
    EXPECT_EQ(samplesPerDivision(0, 44100.0f, 120.0f), 0.0f);
    EXPECT_EQ(samplesPerDivision(16, 44100.0f, 0.0f), 0.0f);

    // Length 200000 over a division of 4, Length Quant 16: 50000 snaps to 49608.
    EXPECT_EQ(quantizeLength(200000 / 4, 88200, 16), 49608);
    EXPECT_EQ(quantizeLength(3000, 88200, 16), 3000);  // shorter than one grid step
    EXPECT_EQ(quantizeLength(50000, 88200, 0), 50000);
    EXPECT_EQ(quantizeLength(50000, 10, 64), 50000);   // grid under one frame

    EXPECT_EQ(wrappingAdd(INT32_MAX, 1), INT32_MIN);
}

// Short slices glide, long ones jump; shuffle; the shortest slice.
TEST(Timing, SliceLengths) {
    int32_t glide = 500;
    std::vector<int32_t> lengths;
    for (int i = 0; i < 4; ++i) lengths.push_back(glideTowards(300, 300, glide));
    EXPECT_EQ(lengths, (std::vector<int32_t>{498, 497, 496, 495}));
    for (int i = 0; i < 400; ++i) glideTowards(300, 300, glide);
    EXPECT_EQ(glide, 300);
    EXPECT_EQ(glideTowards(300, 300, glide), 300);

    glide = 50000;
    EXPECT_EQ(glideTowards(1000, 1000, glide), 1000);
    EXPECT_EQ(glide, 1000);

    glide = 100;
    EXPECT_EQ(glideTowards(103, 103, glide), 101);  // a step of at least one frame

    EXPECT_EQ(shuffleLength(1000, 0.5f, 1), 1250);
    EXPECT_EQ(shuffleLength(1000, 0.5f, 0), 750);
    EXPECT_EQ(shuffleLength(1000, 0.0f, 1), 1000);

    // Length, offset, shortest slice; -40 is a modulator swing past zero.
    for (auto [length, offset, shortest] :
         {std::tuple{5, 10.0f, 5}, {5, 0.0f, 16}, {5, -10.0f, 16}, {0, 10.0f, 1}, {-40, 10.0f, 1},
          {16, 0.0f, 16}, {20000, -5000.0f, 20000}})
        EXPECT_EQ(minimumSliceLength(length, offset), shortest) << length << " " << offset;
}

}  // namespace
