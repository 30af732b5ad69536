// Requests carried out at the start of a block: starting, clearing and
// rewinding the loop, starting playback over, and the commands that wait for
// the Rec Sync grid.
#include <algorithm>

#include "engine/StutterEngine.h"
#include "engine/Timing.h"
#include "params/StepMaps.h"

void StutterEngine::carryOutRequests() {
    if (requests.takeOverflow()) {
        // A request was lost (over a thousand in one block): start the loop
        // over with the current settings rather than play from a state no
        // sequence of requests leads to.
        resetLoop(stored(kFilterSpeed));
        designFilter(false, stored(kFilterSpeed));
    }
    for (EngineRequest request; requests.pop(request);) carryOut(request);
}

void StutterEngine::carryOut(const EngineRequest& request) {
    switch (request.kind) {
        case EngineRequest::kEngage: setEngaged(request.value, request.count); break;
        case EngineRequest::kStartPreRoll:
            engine.recOffsetCountdown =
                recOffsetFrames(request.count, engine.hostSampleRate, engine.hostTempo);
            break;
        case EngineRequest::kResetLoop: resetLoop(request.value); break;
        case EngineRequest::kRewind: rewindLoop(); break;
        case EngineRequest::kSetRepeatsLeft: engine.repeatsLeft = request.count; break;
        case EngineRequest::kResetPitchLfo:
            if (request.count < 0 || engine.pitchLfoTime > request.count) engine.pitchLfoTime = 0;
            break;
        case EngineRequest::kResetModulatorStep: engine.modulatorStep = 0; break;
        case EngineRequest::kOffsetJump: pendingOffsetJump = request.count; break;
        case EngineRequest::kRedesignFilter:
            recomputeFilter(true, request.count, request.other, request.value);
            break;
        case EngineRequest::kHoldNote:
            engine.heldNote = request.count;
            engine.noteHeld = true;
            break;
        case EngineRequest::kReleaseNote: engine.noteHeld = false; break;
        case EngineRequest::kRestartPlayback: restartPlayback(request); break;
    }
}

void StutterEngine::setEngaged(float value, int32_t division) {
    engine.engaged = value;
    engine.pitchLfoTime = 0;
    engine.divisionCount = division;
    engine.divisionCountdown = division;
}

// Forgets the recording (the buffers keep their samples; nothing reads past
// what is recorded) and starts the loop over. Record follows the engine. The
// filter's modulation starts over, one step in at `filterSpeed`.
void StutterEngine::resetLoop(float filterSpeed) {
    engine.playPos = 0.0;
    engine.noteHeld = false;
    engine.playIndex = 0;
    engine.sliceStart = 0.0f;
    engine.sliceEnd = std::max<int32_t>(settings.lengthSamples, 8);
    engine.engineTicks = 0;
    engine.releasePosition = -1;
    filterLfoValue(true, filterSpeed);
    engine.recordedLength = 0;
    engine.recordPos = 0;
    settings.values[kRecord] = engine.engaged == 1.0f ? 1.0f : 0.0f;
    engine.pitchLfoTime = 0;
    engine.playDirection = 0;
}

// Back to the start of the buffer, keeping what was recorded.
void StutterEngine::rewindLoop() {
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
void StutterEngine::restartPlayback(const EngineRequest& request) {
    takeClock(request.clock);
    engine.glideLength = glideLengthAtStart;
    engine.modulatorStep = 0;
    engine.shufflePhase = 0;
    engine.repeatsLeft = settings.repeatCount;
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
    buffers.clear(engine.framesWritten);
    engine.framesWritten = 0;
    // Recording starts over as it does when Record is switched on.
    const bool engaged = engine.engaged != 0.0f;
    setEngaged(engaged ? 1.0f : 0.0f, divisionValue());
    engine.recOffsetCountdown =
        engaged ? recOffsetFrames(settings.recOffsetMode, engine.hostSampleRate, engine.hostTempo) : 0;
    resetLoop(request.value);
    designFilter(true, request.value);
    filterWet = filterOutgoing = StereoHistory{};
}

// A new Division takes effect once the current group of slices is over.
int32_t StutterEngine::divisionValue() {
    const float numerator = stored(kDivisionNum);
    if (numerator > 1.0f || numerator < 0.0f) {
        settings.values[kDivisionNum] = 0.0f;
        listener.divisionNumeratorReset();
    }
    return divisionFor(stored(kDivisionNum), stored(kDivisionDenom));
}

// Commands that wait for the Rec Sync grid: a program recalled by a MIDI note
// (which also starts recording) and Record switched on under Rec Sync. They
// run on the first grid point the engine reaches; what they change (settings,
// requests) takes effect from the very frame they ran on.
void StutterEngine::runDeferredCommands(int32_t position, int32_t rate, int32_t tempo) {
    if (deferredCommands.pending() == 0) return;
    const int32_t divisions = settings.recSyncDivisions;
    // A grid under one frame (an absurd tempo) lets the commands run at once.
    if (divisions != 0 && !onGrid(position, rate, divisions, tempo)) return;

    // Commands queued while these run (a program's Record request under Rec
    // Sync) run in the same pass, so they land on the same grid point.
    deferredCommands.drain([this](const DeferredCommand& command) {
        listener.runDeferredCommand(command);
        takeSnapshot();
        carryOutRequests();
    });
}
