// The X11 window itself. Hosts expect: our own connection to the server, a
// window created directly inside theirs and findable among its children as
// soon as the open call returns, no thread of ours (events are read when the
// host idles us), and nothing left behind when we close, even when the host
// destroyed its window first.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include "widgets/platform/PlatformWindow.h"

class X11NativeWindow : public PlatformWindow {
public:
    explicit X11NativeWindow(EditorFrame& frame) : frame(frame) {}
    ~X11NativeWindow() override;

    // Opens the connection and creates and maps the window; false when the
    // server or the parent window cannot be reached.
    bool create(Window parent, int width, int height);

    void present(cairo_surface_t* picture, const Rect& area) override;
    void dispatchEvents() override;
    void grabPointer() override;
    void releasePointer() override;
    void takeKeyboardFocus() override;
    void releaseKeyboardFocus() override;
    std::uintptr_t nativeHandle() const override { return window; }

private:
    void handle(XEvent& event, Rect& exposed);
    void handleButton(XButtonEvent& event, bool press);
    void handleKey(XKeyEvent& event, bool press);
    void skipToLatestMotion(XEvent& event);

    EditorFrame& frame;
    Display* display = nullptr;
    Window window = 0;
    bool windowGone = false;  // destroyed with the host's window
    cairo_surface_t* surface = nullptr;
    bool pointerGrabbed = false;
    bool keyboardTaken = false;
    Window savedFocus = 0;
    int savedRevert = RevertToParent;
};
