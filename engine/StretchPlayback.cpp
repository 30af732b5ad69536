// Playing a quiet stretch (see QuietStretch.cpp): a loop that does on each
// frame exactly what the frame-by-frame path does on it, without deciding
// anything anew; and the linear stretch, whose recording is a copy and whose
// replay is one vectorised pass per channel.
#include <algorithm>
#include <cmath>

#include "common/Truncate.h"
#include "engine/LinearStretch.h"
#include "engine/SampleGuard.h"
#include "engine/SampleStages.h"
#include "engine/SliceLength.h"
#include "engine/StutterEngine.h"

int32_t StutterEngine::playQuietStretch(const float* inL, const float* inR, float* outL,
                                        float* outR, int32_t frames, int32_t& readIndex) {
    const bool recording = stored(kRecord) != 0.0f;
    const bool filtering = settings.filterType != kFilterOff && filterActive;
    // Reads at or behind the record head see each recorded sample as the
    // frame-by-frame path does, however the copy and the replay are ordered.
    if (!quietPlan.swinging && engine.playDirection == kPlayForward && engine.pitchRatio == 1.0f &&
        engine.blendRemaining == 0 && !filtering && engine.playPos >= 0.0 &&
        (!recording || readIndex <= engine.recordPos))
        return playLinearStretch(inL, inR, outL, outR, frames, readIndex);
    if (quietPlan.swinging) return playStretch<true>(inL, inR, outL, outR, frames, readIndex);
    return playStretch<false>(inL, inR, outL, outR, frames, readIndex);
}

template <bool Swinging>
int32_t StutterEngine::playStretch(const float* inL, const float* inR, float* outL, float* outR,
                                   int32_t frames, int32_t& readIndex) {
    const bool recording = stored(kRecord) != 0.0f;
    const bool forward = engine.playDirection == kPlayForward;
    const bool filtering = settings.filterType != kFilterOff && filterActive;
    const SliceLengthPlan plan = quietPlan;
    const float constantGain = quietGain;
    const float offsetFrames = settings.offsetSamples;
    int32_t len = minimumSliceLength(plan.base, offsetFrames);
    int32_t sliceEnd = engine.sliceEnd;
    const float sliceStart = engine.sliceStart;
    int32_t swingPhase = Swinging ? engine.songPosition % plan.swing.period : 0;
    // Where the swing keeps the length for sure: frames far enough from the
    // slice end and from the gate's edge need no length at all.
    const double swingFrames = std::ceil(std::fabs(static_cast<double>(plan.swing.amount)) * plan.base);
    const int32_t lengthLow =
        minimumSliceLength(static_cast<int32_t>(plan.base - swingFrames - 1), offsetFrames);
    const int32_t lengthHigh =
        minimumSliceLength(static_cast<int32_t>(plan.base + swingFrames + 1), offsetFrames);
    const int32_t endLow = truncInt(static_cast<double>(static_cast<float>(lengthLow)) + sliceStart);
    int32_t lastPhase = -1;  // the phase of the last frame whose length is not worked out
    const float gate = settings.gateAmount;
    const double crushScale = settings.crushScale, crushStep = settings.crushStep;
    const float wetGain = settings.wetGain, dryGain = settings.dryGain;
    const double ratio = engine.pitchRatio;
    const float* loopL = buffers.left;
    const float* loopR = buffers.right;
    float* recordL = buffers.left;
    float* recordR = buffers.right;

    int32_t playIndex = engine.playIndex;
    double playPos = engine.playPos;
    int32_t blendIndex = engine.blendReadIndex;
    int32_t blendRemaining = engine.blendRemaining;
    float blendPhase = engine.blendPhase;
    const float blendStep = engine.blendStep;
    int32_t recordPos = engine.recordPos;
    int32_t recordedLength = engine.recordedLength;
    int32_t framesWritten = engine.framesWritten;
    float levelSum = engine.levelSum, levelCount = engine.levelCount;

    const BiquadCoefficients design = filterRunning;
    // The filter stage's step, as filterChannel takes it.
    const auto filterSample = [&design](float& sample, BiquadHistory& history) {
        sample = static_cast<float>(runBiquad(sample, design, history));
        if (!biquadRunningAway(history, design)) return;
        history = BiquadHistory{};
        sample = 0.0f;
    };
    int32_t i = 0;
    for (; i < frames; ++i) {
        float gain = constantGain;
        if constexpr (Swinging) {
            const int32_t position = truncInt(static_cast<double>(playIndex) - sliceStart);
            const bool restartPossible = forward && playIndex >= endLow;
            const bool gateOpen = gate == 0.0f || position == 0 || (1.0 - gate) * lengthLow > position;
            const bool gateClosed = !gateOpen && (1.0 - gate) * lengthHigh <= position;
            if (restartPossible || !(gateOpen || gateClosed)) {
                len = minimumSliceLength(swingAt(plan.base, swingPhase, plan.swing), offsetFrames);
                const int32_t end = truncInt(static_cast<double>(static_cast<float>(len)) + sliceStart);
                if (forward && playIndex >= end) break;  // the slice starts over here
                sliceEnd = end;
                gain = ::gateGain(position, len, gate);
                lastPhase = -1;
            } else {
                gain = gateOpen ? 1.0f : 0.0f;
                lastPhase = swingPhase;
            }
            if (++swingPhase == plan.swing.period) swingPhase = 0;
        }
        // Read the whole input frame before writing its output: hosts may
        // hand the same buffers for both.
        const float inLeft = safeInput(inL[i]);
        const float inRight = safeInput(inR[i]);
        if (recording) {
            recordL[recordPos] = inLeft;
            recordR[recordPos] = inRight;
            if (recordPos > recordedLength) recordedLength = recordPos + 1;
            if (recordPos >= framesWritten) framesWritten = recordPos + 1;
            ++recordPos;
            levelSum += std::fabs(inLeft) + std::fabs(inRight);
            levelCount += 1.0f;
        }

        float wetL = ::crushSample(gain * loopL[readIndex], crushScale, crushStep);
        float wetR = ::crushSample(gain * loopR[readIndex], crushScale, crushStep);
        const bool blending = blendRemaining != 0;
        float oldL = 0.0f, oldR = 0.0f;
        if (blending) {
            oldL = ::crushSample(gain * loopL[blendIndex], crushScale, crushStep);
            oldR = ::crushSample(gain * loopR[blendIndex], crushScale, crushStep);
        }
        if (filtering) {
            filterSample(wetL, filterWet.left);
            filterSample(wetR, filterWet.right);
            if (blending) {
                filterSample(oldL, filterOutgoing.left);
                filterSample(oldR, filterOutgoing.right);
            }
        }

        float outLeft = wetL * wetGain + inLeft * dryGain;
        float outRight = wetR * wetGain + inRight * dryGain;
        if (blending && blendRemaining > 0) {
            const float fadeL = oldL * wetGain + inLeft * dryGain;
            const float fadeR = oldR * wetGain + inRight * dryGain;
            blendPhase += blendStep;
            outLeft = blendPhase * outLeft + (1.0f - blendPhase) * fadeL;
            outRight = blendPhase * outRight + (1.0f - blendPhase) * fadeR;
            --blendRemaining;
        }
        outL[i] = safeOutput(outLeft);
        outR[i] = safeOutput(outRight);

        if (forward) {
            ++playIndex;
            playPos += ratio;
        } else {
            --playIndex;
            playPos -= ratio;
        }
        readIndex = truncInt(playPos);
        ++blendIndex;
    }

    engine.engineTicks += i;
    engine.songPosition += i;
    engine.pitchLfoTime += i;
    engine.levelCountdown -= i;
    if (Swinging && lastPhase >= 0) {
        len = minimumSliceLength(swingAt(plan.base, lastPhase, plan.swing), offsetFrames);
        sliceEnd = truncInt(static_cast<double>(static_cast<float>(len)) + sliceStart);
    }
    engine.sliceEnd = sliceEnd;
    engine.playIndex = playIndex;
    engine.playPos = playPos;
    engine.blendReadIndex = blendIndex;
    engine.blendRemaining = blendRemaining;
    engine.blendPhase = blendPhase;
    engine.recordPos = recordPos;
    engine.recordedLength = recordedLength;
    engine.framesWritten = framesWritten;
    engine.levelSum = levelSum;
    engine.levelCount = levelCount;
    return i;
}

int32_t StutterEngine::playLinearStretch(const float* inL, const float* inR, float* outL,
                                         float* outR, int32_t frames, int32_t& readIndex) {
    if (stored(kRecord) != 0.0f) {
        const int32_t at = engine.recordPos;
        float* recordL = buffers.left + at;
        float* recordR = buffers.right + at;
        recordLinearly(inL, recordL, frames);
        recordLinearly(inR, recordR, frames);
        float levelSum = engine.levelSum;
        for (int32_t k = 0; k < frames; ++k) levelSum += std::fabs(recordL[k]) + std::fabs(recordR[k]);
        engine.levelSum = levelSum;
        engine.levelCount += static_cast<float>(frames);  // whole numbers: exact
        // The recorded length moves as the frame-by-frame path moves it: on
        // each frame that finds the record head beyond it, to one past it.
        const int32_t last = at + frames - 1;
        const int32_t first = std::max(at, engine.recordedLength + 1);
        if (first <= last) engine.recordedLength = first + 2 * ((last - first) / 2) + 1;
        if (last >= engine.framesWritten) engine.framesWritten = last + 1;
        engine.recordPos = at + frames;
    }
    const float gain = quietGain;
    replayLinearly(buffers.left + readIndex, inL, outL, frames, gain, settings.crushScale,
                   settings.crushStep, settings.wetGain, settings.dryGain);
    replayLinearly(buffers.right + readIndex, inR, outR, frames, gain, settings.crushScale,
                   settings.crushStep, settings.wetGain, settings.dryGain);

    // One frame at a time the read position gains 1.0 per frame; with few
    // enough fraction bits every partial sum is exact, so one addition does.
    const double scaled = engine.playPos * 1048576.0;
    if (scaled == std::trunc(scaled) && engine.playPos + frames < 4294967296.0) {
        engine.playPos += frames;
    } else {
        double playPos = engine.playPos;
        for (int32_t k = 0; k < frames; ++k) playPos += 1.0;
        engine.playPos = playPos;
    }
    readIndex = truncInt(engine.playPos);
    engine.playIndex += frames;
    engine.blendReadIndex += frames;
    engine.engineTicks += frames;
    engine.songPosition += frames;
    engine.pitchLfoTime += frames;
    engine.levelCountdown -= frames;
    return frames;
}
