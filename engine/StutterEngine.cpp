// The block: settings snapshot and requests first, then the host's clock, then
// the frames. While Record is off the input passes through; once it is on,
// every frame is recorded into the loop buffers and slices of the recording
// are replayed through the sound-shaping stages.
#include "engine/StutterEngine.h"

#include "common/Truncate.h"
#include "engine/DenormalGuard.h"
#include "engine/SampleGuard.h"
#include "engine/Timing.h"

StutterEngine::StutterEngine(const SharedSettings& sharedSettings, EngineListener& engineListener)
    : shared(sharedSettings), listener(engineListener) {
    takeSnapshot();
}

void StutterEngine::startFrom(const EngineClock* clock) {
    if (clock) takeClock(*clock);
    publishStatus();
}

void StutterEngine::setGlideStart(int32_t length) {
    glideLengthAtStart = length;
    engine.glideLength = length;
}

void StutterEngine::post(const EngineRequest& request) { requests.push(request); }

bool StutterEngine::queueDeferred(int32_t kind, int32_t value) {
    return deferredCommands.push(kind, value);
}

void StutterEngine::process(const float* const* inputs, float* const* outputs, int32_t frames,
                            const EngineClock* clock) {
    const DenormalGuard denormals;
    if (frames < 0) frames = 0;
    // Settings changed from another thread during the last block take effect
    // here, at the start of this one: hosts deliver automation between
    // blocks, so nothing a host does sounds different from a change that
    // acted at once. Requests are carried out before the clock moves on, as
    // they would have been when they were made.
    takeSnapshot();
    carryOutRequests();
    int32_t readIndex = truncInt(engine.playPos);
    refreshHostTiming(clock);

    int32_t frame = runDryFrames(inputs, outputs, frames);
    if (frame >= frames && engine.engaged == 0.0f) {
        publishStatus();
        return;
    }

    startEngagedBlock(frames - frame);
    if (frame < frames) {
        const float* inL = inputs[0];
        const float* inR = inputs[1];
        float* outL = outputs[0];
        float* outR = outputs[1];
        while (frame < frames) {
            const int32_t quiet = quietStretch(frames - frame, readIndex);
            if (quiet > 0) {
                const int32_t played = playQuietStretch(inL + frame, inR + frame, outL + frame,
                                                        outR + frame, quiet, readIndex);
                frame += played;
                if (played > 0) continue;
            }
            EngineFrame work;
            // Read the whole input frame before writing its output: hosts may
            // hand the same buffers for both.
            work.inL = safeInput(inL[frame]);
            work.inR = safeInput(inR[frame]);
            processEngagedFrame(work, readIndex);
            outL[frame] = safeOutput(work.outL);
            outR[frame] = safeOutput(work.outR);
            ++frame;
        }
    }
    publishStatus();
}

void StutterEngine::publishStatus() {
    published.playIndex = engine.playIndex;
    published.recordPos = engine.recordPos;
    published.recordedLength = engine.recordedLength;
    published.hostSampleRate = engine.hostSampleRate;
    published.hostTempo = engine.hostTempo;
    published.filterFreqHz = engine.filterFreqHz;
}

// Passes the input through while the engine is off. Commands waiting for the
// Rec Sync grid run first on every frame; when one of them switches the
// engine on, the frame it happened at is left to the engaged path. Answers
// the first frame not passed through.
int32_t StutterEngine::runDryFrames(const float* const* inputs, float* const* outputs,
                                    int32_t frames) {
    int32_t frame = 0;
    if (engine.engaged != 0.0f) return frame;
    if (deferredCommands.pending() == 0) {
        // Nothing waits for the grid: the block is one pass over each channel.
        if (frames > 0) {
            passThroughSafely(inputs[0], outputs[0], frames);
            passThroughSafely(inputs[1], outputs[1], frames);
        }
        engine.songPosition = wrappingAdd(engine.songPosition, frames);
        return frames;
    }
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
void StutterEngine::startEngagedBlock(int32_t framesLeft) {
    engine.pitchRatio = computePitchRatio();
    const int32_t len = computeSliceLength(false);
    const int32_t capacity = LoopBuffers::kCapacity;

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

float StutterEngine::loopSample(const float* buffer, int32_t index) const {
    if (index < 0 || index >= LoopBuffers::kCapacity) return 0.0f;
    return buffer[index];
}

// Following the host's clock: once per block the song position, sample rate
// and tempo. Without an answer the last timing stays in use.
void StutterEngine::refreshHostTiming(const EngineClock* clock) {
    if (!clock || !clock->known) return;
    if (clock->playing)
        engine.songPosition = truncInt(clock->samplePosition);
    else
        engine.songPosition = wrappingAdd(engine.songPosition, 1);  // runs on by itself
    takeRateAndTempo(clock->sampleRate, clock->tempo);
}

void StutterEngine::takeClock(const EngineClock& clock) {
    if (!clock.known) return;
    engine.songPosition = truncInt(clock.samplePosition);
    takeRateAndTempo(clock.sampleRate, clock.tempo);
}

void StutterEngine::takeRateAndTempo(double sampleRate, double tempo) {
    const int32_t rate = sampleRateFromHost(sampleRate);
    const int32_t bpm = tempoFromHost(tempo, engine.hostTempo);
    engine.hostSampleRate = rate;
    engine.hostTempo = bpm;
    engine.samplesPerBar = barLengthFrames(rate, bpm);
    // The filter is designed for the rate it runs at.
    if (engine.filterSampleRate != rate) makeFilterDesign();
}
