// Starting, clearing and rewinding the loop, starting playback over, and
// queuing the commands that wait for the Rec Sync grid. Called from parameter
// setters and the host's resume, on any thread.
#include <algorithm>

#include "params/StepMaps.h"
#include "plugin/StutterEffect.h"

void StutterEffect::setEngaged(float value) {
    engine.engaged = value;
    engine.pitchLfoTime = 0;
    const int32_t division = divisionValue();
    engine.divisionCount = division;
    engine.divisionCountdown = division;
}

// Forgets the recording (the buffers keep their samples; nothing reads past
// what is recorded) and starts the loop over.
void StutterEffect::resetLoop() {
    engine.playPos = 0.0;
    midi.noteHeld = false;
    engine.playIndex = 0;
    engine.sliceStart = 0.0f;
    engine.sliceEnd = std::max<int32_t>(settings.lengthSamples, 8);
    engine.engineTicks = 0;
    engine.releasePosition = -1;
    filterLfoValue(true);
    engine.recordedLength = 0;
    engine.recordPos = 0;
    const float recording = engine.engaged == 1.0f ? 1.0f : 0.0f;
    paramValues[kRecord] = recording;
    updateEditorParameter(kRecord, recording);
    engine.pitchLfoTime = 0;
    engine.playDirection = 0;
}

// Back to the start of the buffer, keeping what was recorded.
void StutterEffect::rewindLoop() {
    engine.playPos = 0.0;
    engine.playIndex = 0;
    engine.sliceStart = 0.0f;
    engine.playDirection = 0;
    engine.sliceEnd = std::max<int32_t>(settings.lengthSamples, 8);
}

// Hosts resume processing to play a passage again (a bounce, a freeze, a new
// take) and expect the same input to give the same output: everything that
// moves while the engine plays goes back to where a fresh instance with the
// same settings has it. Parameters, programs and MIDI maps stay.
void StutterEffect::restartPlayback() {
    // The one time query of a resume: hosts answer with the whole record.
    if (const VstTimeInfo* time = getTimeInfo(kVstTempoValid)) takeHostTiming(*time);
    engine.glideLength = glideLengthAtStart;
    engine.modulatorStep = 0;
    engine.shufflePhase = 0;
    engine.repeatsLeft = settings.repeatCount.load();
    engine.blendRemaining = 0;
    engine.blendStep = 0.0f;
    engine.blendPhase = 0.0f;
    engine.blendReadIndex = 0;
    engine.levelSum = 0.0f;
    engine.levelCount = 0.0f;
    engine.levelCountdown = 0;
    // Nothing of the last take may be heard again: the player reads a frame
    // or two past what it has recorded at times (running ahead at a raised
    // pitch, the outgoing material of a crossfade). Only what was written is
    // cleared; the rest of the buffers was never touched.
    const int32_t written = std::clamp<int32_t>(engine.framesWritten, 0, bufferCapacity);
    if (loopBufferLeft) std::fill_n(loopBufferLeft, written, 0.0f);
    if (loopBufferRight) std::fill_n(loopBufferRight, written, 0.0f);
    engine.framesWritten = 0;
    // Recording starts over as it does when Record is switched on.
    const bool engaged = engine.engaged != 0.0f;
    setEngaged(engaged ? 1.0f : 0.0f);
    engine.recOffsetCountdown =
        engaged ? recOffsetFrames(settings.recOffsetMode, engine.hostSampleRate, engine.hostTempo) : 0;
    resetLoop();
    designFilter(true);
    engine.filterHistoryStale = true;  // the audio thread clears it before its next block
}

bool StutterEffect::queueDeferredCommand(int32_t kind, int32_t value) {
    return deferredCommands.push(kind, value);
}
