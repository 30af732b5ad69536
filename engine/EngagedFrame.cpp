// One frame while the engine is engaged: record it, wait out the pre-roll,
// decide whether the slice starts over, and play.
#include <cmath>

#include "engine/Timing.h"
#include "common/Truncate.h"
#include "engine/StutterEngine.h"

void StutterEngine::processEngagedFrame(EngineFrame& frame, int32_t& readIndex) {
    engine.engineTicks = wrappingAdd(engine.engineTicks, 1);
    recordFrame(frame);

    // Pre-roll (Rec Offset): the input is heard dry while it is recorded;
    // playback waits at frame 0 until the countdown is over.
    if (engine.recOffsetCountdown > 0) {
        frame.outL = frame.inL;
        frame.outR = frame.inR;
        engine.recOffsetCountdown -= 1;
        return;
    }

    runDeferredCommands(engine.songPosition, engine.hostSampleRate, engine.hostTempo);
    frame.len = computeSliceLength(true);
    frame.lenF = static_cast<float>(frame.len);
    engine.sliceEnd = truncInt(static_cast<double>(frame.lenF) + engine.sliceStart);
    engine.songPosition = wrappingAdd(engine.songPosition, 1);
    if (engine.sliceStart >= static_cast<float>(LoopBuffers::kCapacity)) rewindLoop();

    decideRestart(frame, readIndex);
    if (frame.restart) restartSlice(frame, readIndex);
    guardReadPosition(frame, readIndex);
    if (frame.restart) startCrossfade(frame);

    readAndShape(frame, readIndex);
    runFilterStage(frame);
    mixAndCrossfade(frame);
    advanceCursor(readIndex);
    reportLevel();
}

// Writes the input into the loop buffers while Record is on. When the
// buffers are full, recording stops by itself and the loop goes on playing
// what it has; it never wraps round to overwrite the start.
void StutterEngine::recordFrame(const EngineFrame& frame) {
    const int32_t capacity = LoopBuffers::kCapacity;
    const int32_t position = engine.recordPos;
    if (position >= capacity && settings.values[kRecord] != 0.0f) {
        settings.values[kRecord] = 0.0f;  // the program keeps its value; the engine stays engaged
        listener.recordingStopped();
    }
    if (settings.values[kRecord] == 0.0f) {
        if (settings.directionMode == kDirectionReverse) engine.playDirection = kPlayBackward;
        return;
    }
    if (position < 0 || position >= capacity) return;
    buffers.left[position] = frame.inL;
    buffers.right[position] = frame.inR;
    if (position > engine.recordedLength) engine.recordedLength = position + 1;
    if (position >= engine.framesWritten) engine.framesWritten = position + 1;
    engine.recordPos = position + 1;
    engine.levelSum += std::fabs(frame.inL) + std::fabs(frame.inR);
    engine.levelCount += 1.0f;
}

// Whether the slice starts over on this frame. While Release is held nothing
// repeats: the slice window slides along with the cursor. Alter turns the
// cursor round at either end; one of the two turns is the restart.
void StutterEngine::decideRestart(EngineFrame& frame, int32_t& readIndex) {
    frame.restart = false;
    if (stored(kRelease) != 0.0f) {
        engine.playDirection = kPlayForward;
        engine.sliceStart += 1.0f;
        const int32_t next = engine.releasePosition + 1;
        engine.releasePosition = next > 0 && next < frame.len ? next : 0;
        return;
    }
    engine.releasePosition = -1;
    const int32_t mode = settings.directionMode;
    const bool lengthBeyondOffset =
        static_cast<float>(settings.lengthSamples) > settings.offsetSamples;
    const int32_t playIndex = engine.playIndex;
    if (engine.playDirection == kPlayForward) {
        if (playIndex < engine.sliceEnd) return;
        if (mode == kDirectionAlter) {
            engine.playDirection = kPlayBackward;
            frame.restart = lengthBeyondOffset;
        } else {
            frame.restart = true;
        }
        return;
    }
    if (static_cast<float>(playIndex) > engine.sliceStart) return;
    if (mode != kDirectionAlter) {
        frame.restart = true;
        return;
    }
    engine.playDirection = kPlayForward;
    if (lengthBeyondOffset) {
        // The free turn at the start: the cursor reverses, playPos stays.
        engine.playIndex = truncInt(engine.sliceStart);
        readIndex = engine.playIndex;
    } else {
        frame.restart = true;
    }
}
