#include "engine/SliceLength.h"

#include "engine/Modulator.h"
#include "engine/Timing.h"
#include "common/Truncate.h"
#include "engine/StutterEngine.h"

namespace {

constexpr int32_t kShortestSlice = 16;
constexpr int32_t kQuantizeAbove = 64;  // loops within a 64th of a bar stay free

}  // namespace

int32_t glideTowards(int32_t target, int32_t unsnapped, int32_t& glideLength) {
    const int32_t current = glideLength;
    if (target == current) return target;
    const int64_t diff = int64_t{unsnapped} - current;
    int64_t step = diff / 100;
    if (step == 0) step = diff < 0 ? -1 : (diff > 0 ? 1 : 0);
    if (current < kGlideLimit) {
        glideLength = static_cast<int32_t>(current + step);
        return glideLength;
    }
    glideLength = target;
    return target;
}

int32_t shuffleLength(int32_t length, float shuffle, int32_t shufflePhase) {
    if (!(shuffle > 0.0f)) return length;
    if (shufflePhase != 0) return truncInt((shuffle * 0.5 + 1.0) * length);
    return truncInt(length - length * (shuffle * 0.5));
}

int32_t minimumSliceLength(int32_t length, float offsetSamples) {
    if (length >= kShortestSlice) return length;
    if (offsetSamples > 0.0f) return length >= 1 ? length : 1;
    return kShortestSlice;
}

// The Length shared out over the division and snapped by Length Quant;
// `unsnapped` is the length before the snap.
int32_t StutterEngine::sliceTarget(int32_t& unsnapped) const {
    int32_t divisions = engine.divisionCount;
    if (divisions < 1) divisions = 1;
    const int32_t lengthSamples = settings.lengthSamples;
    unsnapped = lengthSamples / divisions;

    int32_t target = unsnapped;
    const int32_t quantDivisions = settings.lengthQuantDivisions;
    const int32_t rate = engine.hostSampleRate;
    const int32_t tempo = engine.hostTempo;
    if (quantDivisions != 0 &&
        lengthSamples > truncInt(samplesPerDivision(kQuantizeAbove, static_cast<float>(rate),
                                                     static_cast<float>(tempo))))
        target = quantizeLength(target, engine.samplesPerBar, quantDivisions);
    return target;
}

int32_t StutterEngine::computeSliceLength(bool stepAllowed) {
    int32_t unsnapped = 0;
    const int32_t target = sliceTarget(unsnapped);
    int32_t glide = engine.glideLength;
    int32_t len = glideTowards(target, unsnapped, glide);
    engine.glideLength = glide;

    len = shuffleLength(len, stored(kShuffle), engine.shufflePhase);
    len = modulateLength(len, stepAllowed);
    return minimumSliceLength(len, settings.offsetSamples);
}

StutterEngine::SliceLengthPlan StutterEngine::planSliceLength() const {
    SliceLengthPlan plan;
    const int32_t mode = settings.modulatorMode;
    if (mode != kModulatorOff && mode != kModulatorSin && mode != kModulatorTan) return plan;
    int32_t unsnapped = 0;
    const int32_t target = sliceTarget(unsnapped);
    if (engine.glideLength != target) return plan;  // still gliding
    plan.base = shuffleLength(target, stored(kShuffle), engine.shufflePhase);
    if (mode != kModulatorOff) {
        plan.swinging = true;
        plan.swing = swingShape(modulatorInputs());
    }
    return plan;
}
