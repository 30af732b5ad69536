// The sound-shaping stages on their own: pitch knob and vibrato, the edges of
// gate and bit crush (LoopRecorderTest hears their middle) and the slice-length
// modulator.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "engine/Modulator.h"
#include "engine/PitchStage.h"
#include "engine/SampleStages.h"

namespace {

TEST(Stages, PitchKnobSelectsTableEntriesAroundUnity) {
    EXPECT_EQ(pitchIndex(0.5f, 0.0f, 0.0f, 0), 60);
    EXPECT_EQ(pitchIndex(1.0f, 0.0f, 0.0f, 0), 108);
    EXPECT_EQ(pitchIndex(0.0f, 0.0f, 0.0f, 0), 12);

    // Vibrato: Pitch rel 0 gives a period of 2*pi*1000 frames, Pitch hold
    // 0.5 a depth of 13 semitones; it needs both knobs away from zero.
    EXPECT_EQ(pitchIndex(0.5f, 0.5f, 0.0f, 1571), 60);
    EXPECT_EQ(pitchIndex(0.5f, 0.5f, 1e-9f, 0), 60);
    const float rel = 1e-9f;
    EXPECT_EQ(pitchIndex(0.5f, 0.5f, rel, 1300), 72);  // 60 + 13 sin 1.3 = 72.5
    EXPECT_EQ(pitchIndex(0.5f, 0.5f, rel, 4400), 47);  // 60 + 13 sin 4.4 = 47.6
    EXPECT_EQ(pitchIndex(0.5f, 1.0f, rel, 1300), 84);  // depth 25: 84.1
}

TEST(Stages, GateAndBitCrushAtTheirEdges) {
    EXPECT_EQ(gateGain(0, 1000, 1.0f), 1.0f);  // the first frame always sounds
    EXPECT_EQ(gateGain(1, 1000, 1.0f), 0.0f);
    EXPECT_EQ(gateGain(999, 1000, 0.0f), 1.0f);

    const double fine = 16777216.0;  // Bit Crush 0: 2^24 steps
    for (float x : {0.7f, -0.3f, 1e-3f, 0.123456f})
        EXPECT_LT(std::fabs(crushSample(x, fine, 1.0 / fine) - x), 1.0f / fine);
    // Far too loud for the integer range: saturates instead of wrapping round.
    EXPECT_GT(crushSample(1e6f, fine, 1.0 / fine), 127.0f);
    EXPECT_LT(crushSample(-1e30f, fine, 1.0 / fine), -127.0f);
    EXPECT_EQ(crushSample(std::nanf(""), fine, 1.0 / fine), 0.0f);
}

TEST(Stages, SinAndTanSwingTheLengthWithTheSongPosition) {
    ModulatorInputs in;
    in.samplesPerBar = 88200;
    in.speed = 0.0f;  // one swing per bar
    in.amount = 0.5f;
    int32_t step = 0;
    in.mode = kModulatorSin;
    in.songPosition = 0;
    EXPECT_EQ(modulateLength(1000, true, in, step), 1500);  // cos 0 = 1
    in.songPosition = 44100;
    EXPECT_EQ(modulateLength(1000, true, in, step), 500);   // half a bar: cos pi = -1
    in.songPosition = 88200 + 44100;
    EXPECT_EQ(modulateLength(1000, true, in, step), 500);   // locked to the bar
    in.speed = 1.0f;  // 17 swings per bar: period 5188
    in.songPosition = 5188;
    EXPECT_EQ(modulateLength(1000, true, in, step), 1500);

    in.mode = kModulatorTan;
    in.speed = 0.0f;
    in.songPosition = 0;
    EXPECT_EQ(modulateLength(1000, true, in, step), 1000);  // sin(tan 0) = 0
    in.songPosition = 11025;                                // tan(pi / 4) = 1
    EXPECT_EQ(modulateLength(1000, true, in, step), 1000 + static_cast<int>(std::sin(1.0) * 500));
    EXPECT_EQ(step, 0);  // the table step is not touched

    in.samplesPerBar = 1;  // a period under a frame still works
    EXPECT_EQ(modulateLength(1000, true, in, step), 1000);
}

TEST(Stages, TablesDivideTheLengthStepByStepOnTheGrid) {
    ModulatorInputs in;
    in.mode = kModulatorOctaves;
    in.samplesPerBar = 88200;
    in.stepRate = 4;   // a step every quarter bar
    in.stepCount = 3;  // Modulator Amp 0.25: entries 0..3
    int32_t step = 0;
    std::vector<int32_t> onTheGrid, between;
    for (int quarter = 0; quarter < 6; ++quarter) {
        in.songPosition = quarter * 22050;
        onTheGrid.push_back(modulateLength(8000, true, in, step));  // then steps on
        in.songPosition += 1;
        between.push_back(modulateLength(8000, true, in, step));
    }
    EXPECT_EQ(onTheGrid, (std::vector<int32_t>{8000, 4000, 2000, 1000, 8000, 4000}));
    EXPECT_EQ(between, (std::vector<int32_t>{4000, 2000, 1000, 8000, 4000, 2000}));

    in.songPosition = 0;
    step = 2;
    EXPECT_EQ(modulateLength(8000, false, in, step), 2000);
    EXPECT_EQ(step, 2);  // not allowed to step on this call

    step = 3;
    EXPECT_EQ(modulateLength(60, true, in, step), 7);  // 60 / 8 is under 8 frames
    EXPECT_EQ(step, 1);

    in.mode = kModulatorMelody;
    in.stepCount = 12;
    step = 11;
    EXPECT_EQ(modulateLength(2000, true, in, step), 100);  // entry 11 divides by 20
    EXPECT_EQ(step, 0);                                     // and wraps round
    // Entries of the arpeggios; a step from nowhere reads entry 0, an unknown
    // mode leaves the length alone.
    using Entry = std::tuple<int32_t, int32_t, int32_t, int32_t>;  // mode, step, length, result
    for (auto [mode, at, length, expected] :
         {Entry{kModulatorMinorArpeggio, 2, 3200, 100}, {kModulatorMajorArpeggio, 7, 1000, 200},
          {kModulatorMajorArpeggio, 99, 1000, 1000}, {7, 0, 1000, 1000}}) {
        in.mode = mode;
        step = at;
        EXPECT_EQ(modulateLength(length, false, in, step), expected) << mode << " " << at;
    }
}

}  // namespace
