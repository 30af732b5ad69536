// The editor's host in the VST 2 library: the editor reaches the plug-in
// object directly, and the host through the plug-in's host calls
// (audioMasterAutomate, BeginEdit, EndEdit, GetTime, Idle), made on the
// thread that idles the editor.
#pragma once

#include "editor/EditorHost.h"

class AudioEffectX;

class VstEditorHost : public EditorHost {
public:
    explicit VstEditorHost(AudioEffectX& effect) : effect(effect) {}

    float parameterValue(int index) const override;
    void parameterText(int index, char* display, char* label) override;
    Timing hostTiming() override;
    void beginGesture(int index) override;
    void changeParameter(int index, float value) override;
    void endGesture(int index) override;
    void runCommand(int command, float value) override;
    void idleHost() override;

private:
    AudioEffectX& effect;
};
