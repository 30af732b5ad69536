// The audio callbacks. While Record is off the input passes through; once it
// is on, every frame is recorded into the loop buffers and slices of the
// recording are replayed through the sound-shaping stages.
//
// Parameters change from the host's user-interface thread while this runs,
// Clear and Rewind included, so every engine field is read where it is used
// and every buffer index is checked right before the access.
#include "engine/DenormalGuard.h"
#include "engine/SampleGuard.h"
#include "engine/Timing.h"
#include "params/Truncate.h"
#include "plugin/StutterEffect.h"

void StutterEffect::process(float** inputs, float** outputs, VstInt32 frames) {
    const DenormalGuard denormals;
    for (int channel = 0; channel < 2; ++channel) {
        const float* in = inputs[channel];
        float* out = outputs[channel];
        for (VstInt32 i = 0; i < frames; ++i) out[i] = safeOutput(out[i] + safeInput(in[i]));
    }
}

void StutterEffect::processReplacing(float** inputs, float** outputs, VstInt32 frames) {
    const DenormalGuard denormals;
    if (frames < 0) frames = 0;
    int32_t readIndex = truncInt(engine.playPos);
    refreshHostTiming();
    // A coupled Offset change under BPM Lock holds the lock at 2 for the rest
    // of the block it came in; from the next block on, Length moves Offset again.
    if (settings.bpmLockState == 2) settings.bpmLockState = 1;

    VstInt32 frame = runDryFrames(inputs, outputs, frames);
    // Frames not passed through dry are played engaged, even should Record
    // be switched off meanwhile from the other thread: every frame is written.
    if (frame >= frames && engine.engaged == 0.0f) return;

    startEngagedBlock(frames - frame);
    if (frame >= frames) return;  // an empty block still moves the glide on
    const float* inL = inputs[0];
    const float* inR = inputs[1];
    float* outL = outputs[0];
    float* outR = outputs[1];
    for (; frame < frames; ++frame) {
        EngineFrame work;
        // Read the whole input frame before writing its output: hosts may
        // hand the same buffers for both.
        work.inL = safeInput(inL[frame]);
        work.inR = safeInput(inR[frame]);
        processEngagedFrame(work, readIndex);
        outL[frame] = safeOutput(work.outL);
        outR[frame] = safeOutput(work.outR);
    }
}

// Passes the input through while the engine is off. Commands waiting for the
// Rec Sync grid run first on every frame; when one of them switches the
// engine on, the frame it happened at is left to the engaged path. Answers
// the first frame not passed through.
VstInt32 StutterEffect::runDryFrames(float** inputs, float** outputs, VstInt32 frames) {
    VstInt32 frame = 0;
    if (engine.engaged != 0.0f) return frame;
    for (; frame < frames; ++frame) {
        runDeferredCommands(engine.songPosition, engine.hostSampleRate, engine.hostTempo);
        engine.songPosition = wrappingAdd(engine.songPosition, 1);
        if (engine.engaged != 0.0f) break;
        const float left = safeInput(inputs[0][frame]);
        const float right = safeInput(inputs[1][frame]);
        outputs[0][frame] = safeOutput(left);
        outputs[1][frame] = safeOutput(right);
    }
    return frame;
}

// What the engaged path settles once per block: the read speed, the slice end
// for the current length, and a cursor that went astray.
void StutterEffect::startEngagedBlock(VstInt32 framesLeft) {
    engine.pitchRatio = computePitchRatio();
    const int32_t len = computeSliceLength(false);
    const int32_t capacity = bufferCapacity;

    int32_t sliceEnd = truncInt(static_cast<double>(len) + engine.sliceStart);
    if (sliceEnd > capacity) sliceEnd = capacity;
    if (int64_t{engine.playIndex} + framesLeft > capacity) sliceEnd = capacity;
    engine.sliceEnd = sliceEnd;

    if (engine.playIndex < 0) {
        engine.playIndex = 0;
        engine.playPos = 0.0;
        engine.sliceStart = 0.0f;
        engine.sliceEnd = len;
    }
}

float StutterEffect::loopSample(const float* buffer, int32_t index) const {
    const int32_t capacity = bufferCapacity;
    if (!buffer || index < 0 || index >= capacity) return 0.0f;
    return buffer[index];
}
