// Starting, clearing and rewinding the loop, and queuing the commands that
// wait for the Rec Sync grid. Called from parameter setters on any thread.
#include <algorithm>

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

bool StutterEffect::queueDeferredCommand(int32_t kind, int32_t value) {
    return deferredCommands.push(kind, value);
}
