// A slice starting over: count the repeat, move the slice on by the Offset
// once all repeats are played, place the cursor, and begin the crossfade out
// of the material that was playing.
#include "common/Truncate.h"
#include "engine/StutterEngine.h"

void StutterEngine::restartSlice(EngineFrame& frame, int32_t& readIndex) {
    engine.blendReadIndex = readIndex;  // the outgoing material goes on from here
    engine.pitchRatio = computePitchRatio();
    frame.len = computeSliceLength(false);
    frame.lenF = static_cast<float>(frame.len);
    engine.shufflePhase = 1 - engine.shufflePhase;

    const float jump = restartJump(frame.len);
    if (engine.repeatsLeft <= 1) {
        engine.sliceStart += jump;
        engine.repeatsLeft = settings.repeatCount;
    } else {
        engine.repeatsLeft -= 1;
    }

    // A new Division takes effect once the current group of slices is over.
    engine.divisionCountdown -= 1;
    if (engine.divisionCountdown < 1) {
        const int32_t division = divisionValue();
        engine.divisionCount = division;
        engine.divisionCountdown = division;
    }

    const int32_t capacity = LoopBuffers::kCapacity;
    int32_t sliceEnd = truncInt(static_cast<double>(frame.lenF) + engine.sliceStart);
    if (sliceEnd > capacity) sliceEnd = capacity;
    engine.sliceEnd = sliceEnd;

    const int32_t mode = settings.directionMode;
    if (mode == kDirectionForward || engine.playDirection == kPlayForward) {
        const float start = engine.sliceStart;
        engine.playPos = start;
        engine.playIndex = truncInt(start);
        readIndex = engine.playIndex;
        engine.playDirection = kPlayForward;
    } else if (mode == kDirectionReverse) {
        engine.playPos = sliceEnd;
        engine.playIndex = sliceEnd;
        readIndex = sliceEnd;
    }
    // Alter running backward: the cursor turns where it is.
}

// How far the slice moves once its repeats are played: the Offset, shared out
// over the division under BPM Lock and scaled with the modulated length; a
// pending Offset Jmp FFW or Back adds or takes one slice length and ends the
// repeats at once.
float StutterEngine::restartJump(int32_t len) {
    const int32_t lockState = settings.bpmLockState;
    float jump = settings.offsetSamples;
    const int32_t divisions = engine.divisionCount;
    if (lockState == 1 && divisions >= 1) jump /= static_cast<float>(divisions);
    const int32_t lengthSamples = settings.lengthSamples;
    // A Length of 0 frames has no proportion to scale by: the jump stays.
    if (settings.modulatorMode != 0 && lockState != 0 && lengthSamples > 0)
        jump = static_cast<float>(static_cast<double>(len) / lengthSamples * jump);

    const int32_t request = pendingOffsetJump;
    if (request == 1 || request == 2) {
        engine.repeatsLeft = 1;
        jump = request == 1 ? static_cast<float>(len) + jump : jump - static_cast<float>(len);
        pendingOffsetJump = 0;
    }
    return jump;
}

// Keeps the read position inside the recording: a cursor that ran off the
// start wraps to the last slice of the recording; one beyond what was
// recorded, or outside the buffer, rewinds the loop.
void StutterEngine::guardReadPosition(const EngineFrame& frame, int32_t& readIndex) {
    if (engine.playIndex == 0) {
        engine.playPos = 0.0;
        readIndex = 0;
    } else if (readIndex < 0) {
        const int32_t recorded = engine.recordedLength;
        const int32_t wrapped = recorded - frame.len;
        readIndex = wrapped;
        engine.playIndex = wrapped;
        engine.playPos = wrapped;
        engine.sliceStart = static_cast<float>(wrapped);
        engine.sliceEnd = recorded;
    }
    if (readIndex < 0 || readIndex > engine.recordedLength || readIndex >= LoopBuffers::kCapacity) {
        readIndex = 0;
        rewindLoop();
        engine.playDirection = kPlayForward;
    }
    const int32_t blendIndex = engine.blendReadIndex;
    if (blendIndex < 0 || blendIndex >= LoopBuffers::kCapacity) engine.blendReadIndex = 0;
}

// The crossfade runs over the Blend fraction of the new slice; the first
// crossfaded frame already carries one step of the new material.
void StutterEngine::startCrossfade(const EngineFrame& frame) {
    int32_t frames = truncInt(static_cast<double>(frame.lenF) * stored(kBlend));
    if (frames < 0) frames = 0;  // a negative Blend is no crossfade at all
    engine.blendRemaining = frames;
    if (frames != 0) engine.blendStep = 1.0f / static_cast<float>(frames);
    engine.blendPhase = 0.0f;
    // The outgoing material goes on where the replay was: so does its filter.
    filterOutgoing = filterWet;
}
