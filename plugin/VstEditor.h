// The editor as a VST 2 host reaches it: the dispatcher's editor opcodes
// (effEditGetRect, effEditOpen, effEditIdle, effEditClose, effEditKeyDown,
// effEditKeyUp, effSetEditKnobMode) and the plug-in's change reports, passed
// on to the StutterEditor in the format's terms: the host's window as a plain
// handle, its key codes as the kit's key strokes, a level report for what the
// engine sends through the play position's index.
#pragma once

#include "editor/StutterEditor.h"
#include "plugin/AEffEditor.h"
#include "plugin/VstEditorHost.h"

class AudioEffectX;

class VstEditor : public AEffEditor {
public:
    // Creating one attaches it to the plug-in, which then tells the host it
    // has an editor.
    explicit VstEditor(AudioEffectX& effect);
    ~VstEditor() override;

    bool getRect(ERect** rect) override;
    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    void postUpdate() override;
    // From any thread: a value changed (the level of a report for the play
    // position's index).
    void setParameter(VstInt32 index, float value) override;
    bool onKeyDown(VstKeyCode& key) override;
    bool onKeyUp(VstKeyCode& key) override;
    bool setKnobMode(VstInt32 mode) override;

    StutterEditor& editor() { return stutterEditor; }

private:
    AudioEffectX& effectX;
    VstEditorHost host;
    StutterEditor stutterEditor;
    ERect rect;  // the panel's fixed size, open or not
};
