#include "plugin/VstEditorHost.h"

#include "params/ParameterIds.h"
#include "plugin/AudioEffectX.h"

float VstEditorHost::parameterValue(int index) const { return effect.getParameter(index); }

void VstEditorHost::parameterText(int index, char* display, char* label) {
    effect.getParameterDisplay(index, display);
    effect.getParameterLabel(index, label);
}

EditorHost::Timing VstEditorHost::hostTiming() {
    Timing timing;
    if (const VstTimeInfo* time = effect.getTimeInfo(kVstTempoValid)) {
        timing.tempo = time->tempo;
        timing.sampleRate = time->sampleRate;
    }
    return timing;
}

void VstEditorHost::beginGesture(int index) { effect.beginEdit(index); }

// Applied first, then reported to the host as automation.
void VstEditorHost::changeParameter(int index, float value) { effect.setParameterAutomated(index, value); }

void VstEditorHost::endGesture(int index) { effect.endEdit(index); }

// The operations reach the host as automation of their command index, as a
// parameter change would; arming learn only tells the plug-in.
void VstEditorHost::runCommand(int command, float value) {
    if (command == kCmdLearnKnob)
        effect.setParameter(command, value);
    else
        effect.setParameterAutomated(command, value);
}

void VstEditorHost::idleHost() { effect.masterIdle(); }
