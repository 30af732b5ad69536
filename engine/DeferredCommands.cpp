// Commands that wait for the Rec Sync grid: a program recalled by a MIDI note
// (which also starts recording) and Record switched on under Rec Sync. The
// engine runs them on the audio thread, on the first grid point it reaches.
#include "engine/Timing.h"
#include "plugin/AEffEditor.h"
#include "plugin/StutterEffect.h"

void StutterEffect::runDeferredCommands(int32_t position, int32_t rate, int32_t tempo) {
    if (deferredCommands.pending() == 0) return;
    const int32_t divisions = settings.recSyncDivisions;
    // A grid under one frame (an absurd tempo) lets the commands run at once.
    if (divisions != 0 && !onGrid(position, rate, divisions, tempo)) return;

    // Commands queued while these run (a program's Record request under Rec
    // Sync) run in the same pass, so they land on the same grid point.
    deferredCommands.drain([this](const DeferredCommand& command) {
        switch (command.kind) {
            case kDeferredProgramChange:
                setProgram(command.value);
                setParameter(kRecord, 1.0f);
                break;
            case kDeferredRecord: applyRecordSwitch(static_cast<float>(command.value)); break;
            default: return;
        }
        if (editor) editor->postUpdate();
    });
}
