// The kit's side of the host's editor interface: an editor that owns an
// EditorFrame while its window is open, idles it when the host idles, passes
// keys on, and brackets the controls' drags as edits for the host. Creating
// one attaches it to the plug-in, which then tells the host it has an editor.
#pragma once

#include <cstdint>

#include "plugin/AEffEditor.h"
#include "widgets/platform/PlatformWindow.h"

class AudioEffectX;
class EditorFrame;

class AEffGUIEditor : public AEffEditor {
public:
    explicit AEffGUIEditor(AudioEffectX* effect);
    ~AEffGUIEditor() override;

    bool getRect(ERect** rect) override;
    // Sets the update flag and keeps the host's window; a derived editor then
    // builds its frame.
    bool open(void* window) override;
    void close() override;
    // Handles the window's events, runs `update` when an update was posted,
    // then redraws what changed. Nothing happens without an open window.
    void idle() override;
    virtual void update() {}
    bool onKeyDown(VstKeyCode& key) override;
    bool onKeyUp(VstKeyCode& key) override;
    // The wheel turned by `distance` steps where the pointer is; -1 without a window.
    virtual int32_t onWheel(float distance);
    bool setKnobMode(VstInt32 mode) override;
    // The knob mode the host chose, for every editor of the process: 2 is
    // linear, anything else circular.
    static int getKnobMode();

    // Called by controls during a drag: redraws what changed and, at most
    // every 100 ms, lets the host run its own idle work.
    void doIdleStuff();
    void beginEdit(VstInt32 tag);
    void endEdit(VstInt32 tag);

    EditorFrame* getFrame() const { return frame; }
    AudioEffectX* getEffect() const { return effectX; }
    // How the frame's window is made: X11 unless a test chose headless.
    void setWindowFactory(PlatformWindowFactory factory) { windowFactory = factory; }
    PlatformWindowFactory getWindowFactory() const { return windowFactory; }

    static uint32_t currentTicks();  // milliseconds of a steady clock

protected:
    // Destroys the frame; while the frame is handling input (and so calling
    // the host, which may close us) the destruction waits until it is done.
    void destroyFrame();
    // Brackets every call into the frame; false when there is no frame or
    // the frame is already busy (a host calling back into us).
    bool beginFrameCall();
    void endFrameCall();
    bool isBusy() const { return busy; }

    bool isParameter(VstInt32 tag) const;

    AudioEffectX* effectX;
    ERect rect{};
    EditorFrame* frame = nullptr;
    uint32_t lastTicks;     // when the host's idle work is due next
    bool inIdleStuff = false;
    bool busy = false;
    bool closeWhenIdleEnds = false;
    PlatformWindowFactory windowFactory;
};
