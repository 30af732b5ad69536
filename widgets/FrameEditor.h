// An editor on the kit: it owns an EditorFrame while its window is open,
// idles it when the host idles, passes keys and the wheel on, and brackets
// the controls' drags as gestures. It knows no plug-in format: a format's
// adaptor forwards the host's editor calls here, and a derived editor
// reaches the plug-in (beginEdit, endEdit, hostIdle).
#pragma once

#include <atomic>
#include <cstdint>

#include "widgets/Geometry.h"
#include "widgets/KeyStroke.h"
#include "widgets/platform/PlatformWindow.h"

class EditorFrame;

class FrameEditor {
public:
    // `size` is the window's fixed size, whether or not it is open.
    explicit FrameEditor(const Rect& size);
    virtual ~FrameEditor();
    FrameEditor(const FrameEditor&) = delete;
    FrameEditor& operator=(const FrameEditor&) = delete;

    const Rect& getSize() const { return size; }

    // Makes the frame inside the host's window; a derived editor then builds
    // its views. False when no window could be made there.
    virtual bool open(ParentWindow parent);
    virtual void close();
    // Handles the window's events, runs `update` when an update was posted,
    // then redraws what changed. Nothing happens without an open window.
    void idle();
    // Asks for `update` on the next idle pass; may come from any thread.
    void postUpdate() { updateFlag.store(true, std::memory_order_release); }
    virtual void update() {}
    // Keys the host passes on; true for a key that was used.
    bool onKeyDown(KeyStroke& key);
    bool onKeyUp(KeyStroke& key);
    // The wheel turned by `distance` steps where the pointer is; -1 without a window.
    virtual int32_t onWheel(float distance);
    // The knob mode the host chose, for every editor of the process: 2 is
    // linear, anything else circular.
    static void setKnobMode(int mode);
    static int getKnobMode();

    // Called by controls during a drag: redraws what changed and, at most
    // every 100 ms, lets the host run its own idle work (hostIdle).
    void doIdleStuff();
    // The drag bracket of the control with `tag`.
    virtual void beginEdit(int /*tag*/) {}
    virtual void endEdit(int /*tag*/) {}

    EditorFrame* getFrame() const { return frame; }
    // The open window's own id (see PlatformWindow::nativeHandle); 0 while closed.
    std::uintptr_t nativeWindow() const;
    // How the frame's window is made: X11 unless a test chose headless.
    void setWindowFactory(PlatformWindowFactory factory) { windowFactory = factory; }
    PlatformWindowFactory getWindowFactory() const { return windowFactory; }

    static uint32_t currentTicks();  // milliseconds of a steady clock

protected:
    // The host's own idle work during a long drag.
    virtual void hostIdle() {}
    // Makes the frame of `size` inside `parent`; false (and no frame) when
    // no window could be made.
    bool openFrame(ParentWindow parent);
    // Destroys the frame; while the frame is handling input (and so calling
    // the host, which may close us) the destruction waits until it is done.
    void destroyFrame();
    // Brackets every call into the frame; false when there is no frame or
    // the frame is already busy (a host calling back into us).
    bool beginFrameCall();
    void endFrameCall();
    bool isBusy() const { return busy; }

    Rect size;
    EditorFrame* frame = nullptr;
    std::atomic<bool> updateFlag{false};
    uint32_t lastTicks;  // when the host's idle work is due next
    bool inIdleStuff = false;
    bool busy = false;
    bool closeWhenIdleEnds = false;
    PlatformWindowFactory windowFactory;
};
