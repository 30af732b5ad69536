// The editor's host in the CLAP plug-in: values and texts straight from the
// core, the host's tempo as process last saw it, and the user's edits
// applied at once and queued for the host as gesture and value events.
#pragma once

#include "editor/EditorHost.h"

class ClapPlugin;

class ClapEditorHost final : public EditorHost {
public:
    explicit ClapEditorHost(ClapPlugin& plugin) : plugin_(plugin) {}

    float parameterValue(int index) const override;
    void parameterText(int index, char* display, char* label) override;
    Timing hostTiming() override;
    void beginGesture(int index) override;
    void changeParameter(int index, float value) override;
    void endGesture(int index) override;
    void runCommand(int command, float value) override;

private:
    ClapPlugin& plugin_;
};
