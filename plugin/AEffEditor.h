// The editor side of the host interface: what the dispatcher forwards the
// editor opcodes to. VstEditor derives from it, attaches itself to the
// effect and passes the opcodes on to the format-free editor.
#pragma once

#include "common/Relaxed.h"
#include "plugin/vst2.h"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect) : effect(effect) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual bool getRect(ERect** rect) {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void* parentWindow) {
        systemWindow = parentWindow;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual void idle() {}
    // Marks the editor for a refresh on its next idle call; may come from any thread.
    virtual void postUpdate() { updateFlag = 1; }
    // A parameter or status value changed; may come from any thread.
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
    virtual bool onKeyDown(VstKeyCode& /*key*/) { return false; }
    virtual bool onKeyUp(VstKeyCode& /*key*/) { return false; }
    virtual bool setKnobMode(VstInt32 /*mode*/) { return false; }

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
    Relaxed<int> updateFlag{0};
};
