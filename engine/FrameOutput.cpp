// The audible end of an engaged frame: read the slice, gate and crush it,
// filter it, mix it with the dry input, crossfade out of the previous slice,
// move the cursor on, and now and then tell the editor the input level.
#include "engine/SampleStages.h"
#include "engine/Timing.h"
#include "common/Truncate.h"
#include "engine/StutterEngine.h"

namespace {

constexpr int32_t kLevelReportInterval = 512;  // a report every 513 frames

}  // namespace

float StutterEngine::gateGain(int32_t position, int32_t length) const {
    return ::gateGain(position, length, settings.gateAmount);
}

float StutterEngine::crushSample(float x) const {
    return ::crushSample(x, settings.crushScale, settings.crushStep);
}

void StutterEngine::readAndShape(EngineFrame& frame, int32_t readIndex) {
    const double intoSlice = static_cast<double>(engine.playIndex) - engine.sliceStart;
    const float gain = gateGain(truncInt(intoSlice), frame.len);
    frame.wetL = crushSample(gain * loopSample(buffers.left, readIndex));
    frame.wetR = crushSample(gain * loopSample(buffers.right, readIndex));
    frame.blending = engine.blendRemaining != 0;
    if (!frame.blending) return;
    const int32_t blendIndex = engine.blendReadIndex;
    frame.oldL = crushSample(gain * loopSample(buffers.left, blendIndex));
    frame.oldR = crushSample(gain * loopSample(buffers.right, blendIndex));
}

// Wet and dry in the proportion of Mix, then the crossfade from the outgoing
// material into the new slice. The clamp to -1..1 follows at the output.
void StutterEngine::mixAndCrossfade(EngineFrame& frame) {
    const float wet = settings.wetGain;
    const float dry = settings.dryGain;
    frame.outL = frame.wetL * wet + frame.inL * dry;
    frame.outR = frame.wetR * wet + frame.inR * dry;
    if (!frame.blending) return;
    const float oldL = frame.oldL * wet + frame.inL * dry;
    const float oldR = frame.oldR * wet + frame.inR * dry;

    const int32_t remaining = engine.blendRemaining;
    if (remaining <= 0) return;
    const float phase = engine.blendPhase + engine.blendStep;
    engine.blendPhase = phase;
    frame.outL = phase * frame.outL + (1.0f - phase) * oldL;
    frame.outR = phase * frame.outR + (1.0f - phase) * oldR;
    engine.blendRemaining = remaining - 1;
}

// playIndex moves one frame per output frame and decides the restarts;
// playPos moves at the read speed and says where the audio is read. The
// outgoing material of a crossfade always runs forward at unit speed.
void StutterEngine::advanceCursor(int32_t& readIndex) {
    const double ratio = engine.pitchRatio;
    if (engine.playDirection == kPlayForward) {
        engine.playIndex = wrappingAdd(engine.playIndex, 1);
        engine.playPos += ratio;
    } else {
        engine.playIndex = wrappingAdd(engine.playIndex, -1);
        engine.playPos -= ratio;
    }
    readIndex = truncInt(engine.playPos);
    engine.pitchLfoTime = wrappingAdd(engine.pitchLfoTime, 1);
    engine.blendReadIndex = wrappingAdd(engine.blendReadIndex, 1);
}

// The average of |left| + |right| over the frames recorded since the last
// report, for the editor's level display; never sent to the host.
void StutterEngine::reportLevel() {
    engine.levelCountdown -= 1;
    if (engine.levelCountdown >= 0) return;
    const float count = engine.levelCount;
    const float level = count > 0.0f ? engine.levelSum / count : 0.0f;
    publishStatus();  // the report is shown with the positions it was made at
    listener.levelReport(level);
    engine.levelSum = 0.0f;
    engine.levelCount = 0.0f;
    engine.levelCountdown = kLevelReportInterval;
}
