#include "engine/Modulator.h"

#include <cmath>

#include "common/Truncate.h"
#include "engine/StutterEngine.h"

namespace {

constexpr int kTableSize = 12;
constexpr int32_t kShortestStepLength = 8;

// Length divisors, one table per stepped mode (Octavs, Major Arpegio, Minor
// Arpegio, Melody).
constexpr float kStepTables[4][kTableSize] = {
    {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048},
    {1, 2, 3, 4, 2, 3, 4, 5, 3, 4, 5, 6},
    {1, 2, 32, 24, 1, 18, 32, 18, 16, 2, 32, 16},
    {1, 2, 2, 1, 4, 1, 8, 12, 8, 12, 16, 20},
};

int32_t saturate(int64_t x) {
    if (x > INT32_MAX) return INT32_MAX;
    if (x < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(x);
}

int32_t swing(int32_t length, const ModulatorInputs& in) {
    const SwingShape shape = swingShape(in);
    return swingAt(length, in.songPosition % shape.period, shape);
}

bool onStepGrid(const ModulatorInputs& in) {
    if (in.stepRate <= 0) return false;
    const int32_t grid = in.samplesPerBar / in.stepRate;
    return grid < 1 || in.songPosition % grid == 0;  // a grid under a frame is every frame
}

int32_t stepThroughTable(int32_t length, bool stepAllowed, const ModulatorInputs& in,
                         int32_t& step) {
    int32_t at = step;
    if (at < 0 || at >= kTableSize) at = 0;
    const int32_t divisor = truncInt(kStepTables[in.mode - kModulatorOctaves][at]);
    const int32_t len = length / divisor;
    if (len < kShortestStepLength) {
        step = 1;
    } else if (stepAllowed && onStepGrid(in)) {
        int32_t next = at + 1;
        if (next > in.stepCount || next >= kTableSize) next = 0;
        step = next;
    }
    return len;
}

}  // namespace

SwingShape swingShape(const ModulatorInputs& in) {
    SwingShape shape;
    int32_t period = truncInt(in.samplesPerBar / (in.speed * 16.0 + 1.0));
    if (period < 1) period = 1;
    shape.period = period;
    shape.radiansPerFrame = 6.283185307179586 / period;
    shape.sine = in.mode == kModulatorSin;
    shape.amount = in.amount;
    return shape;
}

int32_t swingAt(int32_t length, int32_t phase, const SwingShape& shape) {
    const double x = phase * shape.radiansPerFrame;
    const double m = shape.sine ? std::cos(x) : std::sin(std::tan(x));
    return saturate(int64_t{length} + truncInt(m * shape.amount * length));
}

int32_t modulateLength(int32_t length, bool stepAllowed, const ModulatorInputs& in,
                       int32_t& step) {
    switch (in.mode) {
        case kModulatorSin:
        case kModulatorTan: return swing(length, in);
        case kModulatorOctaves:
        case kModulatorMajorArpeggio:
        case kModulatorMinorArpeggio:
        case kModulatorMelody: return stepThroughTable(length, stepAllowed, in, step);
        default: return length;
    }
}

ModulatorInputs StutterEngine::modulatorInputs() const {
    ModulatorInputs in;
    in.mode = settings.modulatorMode;
    in.speed = stored(kModulatorSpeed);
    in.amount = stored(kModulatorAmp);
    in.stepRate = settings.modulatorStepRate;
    in.stepCount = settings.modulatorStepCount;
    in.songPosition = engine.songPosition;
    in.samplesPerBar = engine.samplesPerBar;
    return in;
}

int32_t StutterEngine::modulateLength(int32_t length, bool stepAllowed) {
    if (settings.modulatorMode == kModulatorOff) return length;
    const ModulatorInputs in = modulatorInputs();
    int32_t step = engine.modulatorStep;
    const int32_t len = ::modulateLength(length, stepAllowed, in, step);
    if (step != engine.modulatorStep) engine.modulatorStep = step;
    return len;
}
