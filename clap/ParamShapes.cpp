#include "clap/ParamShapes.h"

#include <cmath>

#include "params/ParameterTable.h"
#include "params/StepMaps.h"
#include "common/Truncate.h"

namespace {

// Which rule turns the core value into a step.
enum class Rule {
    kContinuous,
    kSwitch,       // any value but 0 is on
    kExactOne,     // on only at 1.0 exactly (BPM Lock, Repeat Lock)
    kQuantized,    // quantizeStep(v, n): steps 0 to n + 1
    kDirection,    // steps 0 Forward, 1 Alter (1.0), 2 Reverse (0.5)
    kLengthQuant,  // the five ranges from 0.2 up
    kQuarters,     // trunc(4 v): Division Num, 4 at 1.0 only
    kRepeats,      // trunc(16 v + 1): 1 to 17, 17 at 1.0 only
};

struct Shape {
    Rule rule;
    int n;  // quantizeStep's n for kQuantized
};

Shape shapeOf(int index) {
    switch (index) {
        case kRecord:
        case kRewind:
        case kClear:
        case kRelease:
        case kBpmSync:
        case kDivisionDenom:
        case kOffsetJmpFfw:
        case kOffsetJmpBack:
        case kModulatorPhase:
        case kPitchPhase: return {Rule::kSwitch, 0};
        case kBpmLock:
        case kRepeatLock: return {Rule::kExactOne, 0};
        case kRecSync: return {Rule::kQuantized, 10};
        case kRecOffset: return {Rule::kQuantized, 8};
        case kModulatorMode:
        case kFilterType:
        case kFilterSpeedRestart: return {Rule::kQuantized, 7};
        case kFilterSpeedSync: return {Rule::kQuantized, 8};
        case kPitchMode:
        case kFilterSpeedType: return {Rule::kQuantized, 2};
        case kDirection: return {Rule::kDirection, 0};
        case kLengthQuant: return {Rule::kLengthQuant, 0};
        case kDivisionNum: return {Rule::kQuarters, 0};
        case kRepeats: return {Rule::kRepeats, 0};
        default: return {Rule::kContinuous, 0};
    }
}

int lengthQuantStep(float v) {
    switch (lengthQuantDivisionsFor(v)) {
        case 8: return 1;
        case 16: return 2;
        case 32: return 3;
        case 64: return 4;
        default: return 0;
    }
}

float clampUnit(double v) { return static_cast<float>(v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v)); }

}  // namespace

ClapParamShape clapParamShape(int index) {
    const Shape shape = shapeOf(index);
    switch (shape.rule) {
        case Rule::kContinuous: return {false, 0.0, 1.0};
        case Rule::kSwitch:
        case Rule::kExactOne: return {true, 0.0, 1.0};
        case Rule::kQuantized: return {true, 0.0, shape.n + 1.0};
        case Rule::kDirection: return {true, 0.0, 2.0};
        case Rule::kLengthQuant:
        case Rule::kQuarters: return {true, 0.0, 4.0};
        case Rule::kRepeats: return {true, 1.0, 17.0};
    }
    return {false, 0.0, 1.0};
}

double clapValueOf(int index, float v) {
    const Shape shape = shapeOf(index);
    const ClapParamShape range = clapParamShape(index);
    int step = 0;
    switch (shape.rule) {
        case Rule::kContinuous: return clampUnit(v);
        case Rule::kSwitch: step = v != 0.0f; break;
        case Rule::kExactOne: step = v == 1.0f; break;
        case Rule::kQuantized: step = quantizeStep(v, shape.n); break;
        case Rule::kDirection: step = directionModeFor(v); break;
        case Rule::kLengthQuant: step = lengthQuantStep(v); break;
        case Rule::kQuarters: step = truncInt(4.0f * v); break;
        case Rule::kRepeats: step = truncInt(16.0f * v + 1.0f); break;
    }
    // A value outside 0 to 1 (a host's VST 2 automation, a MIDI message) can
    // select a step outside the range; the host is told the nearest one.
    if (step < range.min) return range.min;
    if (step > range.max) return range.max;
    return step;
}

float coreValueOf(int index, double value) {
    if (std::isnan(value)) return kParameterTable[index].freshValue;
    const Shape shape = shapeOf(index);
    const ClapParamShape range = clapParamShape(index);
    if (!range.stepped) return clampUnit(value);
    const double clamped = value < range.min ? range.min : (value > range.max ? range.max : value);
    const int step = static_cast<int>(clamped);  // CLAP's rule for stepped values: truncate
    switch (shape.rule) {
        case Rule::kSwitch:
        case Rule::kExactOne: return step != 0 ? 1.0f : 0.0f;
        case Rule::kQuantized:
            if (step == 0) return 0.0f;
            if (step == shape.n + 1) return 1.0f;  // only 1.0 reaches the last step
            return static_cast<float>((step + 0.5) / (shape.n + 1));
        case Rule::kDirection: return step == 1 ? 1.0f : (step == 2 ? 0.5f : 0.0f);
        case Rule::kLengthQuant: return step == 0 ? 0.0f : static_cast<float>(0.2 * step + 0.1);
        case Rule::kQuarters: return step == 0 ? 0.0f : (step == 4 ? 1.0f : static_cast<float>((step + 0.5) / 4));
        case Rule::kRepeats: return step == 1 ? 0.0f : (step == 17 ? 1.0f : static_cast<float>((step - 0.5) / 16));
        case Rule::kContinuous: break;
    }
    return clampUnit(value);
}

double clapDefaultOf(int index) { return clapValueOf(index, kParameterTable[index].freshValue); }
