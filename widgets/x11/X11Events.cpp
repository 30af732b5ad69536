// Reading the window's events when the host idles us, and handing them to
// the frame in the kit's terms.
#include <X11/Xutil.h>

#include "widgets/EditorFrame.h"
#include "widgets/x11/X11Input.h"
#include "widgets/x11/X11NativeWindow.h"

namespace {

// Enough for any burst of input between two idle calls; a flood never keeps
// the host's thread here.
constexpr int kMaxEventsPerIdle = 2000;

}  // namespace

void X11NativeWindow::dispatchEvents() {
    if (!display) return;
    Rect exposed;
    for (int handled = 0; handled < kMaxEventsPerIdle && XPending(display) > 0; ++handled) {
        XEvent event;
        XNextEvent(display, &event);
        handle(event, exposed);
    }
    if (!exposed.empty() && !windowGone) frame.onExposed(exposed);
}

void X11NativeWindow::skipToLatestMotion(XEvent& event) {
    // Only the latest position of a run of moves matters to a drag.
    while (XEventsQueued(display, QueuedAlready) > 0) {
        XEvent next;
        XPeekEvent(display, &next);
        if (next.type != MotionNotify || next.xmotion.window != event.xmotion.window) break;
        XNextEvent(display, &event);
    }
}

void X11NativeWindow::handle(XEvent& event, Rect& exposed) {
    switch (event.type) {
        case Expose: {
            const XExposeEvent& e = event.xexpose;
            exposed = exposed.united({e.x, e.y, e.x + e.width, e.y + e.height});
            break;
        }
        case ButtonPress: handleButton(event.xbutton, true); break;
        case ButtonRelease: handleButton(event.xbutton, false); break;
        case MotionNotify:
            skipToLatestMotion(event);
            frame.onMouseMoved({event.xmotion.x, event.xmotion.y},
                               x11Input::buttonsFromState(event.xmotion.state));
            break;
        case KeyPress: handleKey(event.xkey, true); break;
        case KeyRelease: handleKey(event.xkey, false); break;
        case FocusOut:
            if (keyboardTaken && event.xfocus.detail != NotifyInferior &&
                event.xfocus.detail != NotifyPointer && event.xfocus.mode != NotifyGrab) {
                keyboardTaken = false;
                frame.onFocusLost();
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == window) {
                windowGone = true;
                pointerGrabbed = false;
                keyboardTaken = false;
            }
            break;
        default: break;
    }
}

void X11NativeWindow::handleButton(XButtonEvent& event, bool press) {
    const Point where{event.x, event.y};
    // The state is that of just before the event.
    const int held = x11Input::buttonsFromState(event.state);
    if (event.button == Button4 || event.button == Button5) {
        if (press) frame.onWheel(where, event.button == Button4 ? 1.0f : -1.0f, held);
        return;
    }
    const int flag = x11Input::buttonFlag(event.button);
    if (!flag) return;
    if (press)
        frame.onMouseDown(where, held | flag);
    else
        frame.onMouseUp(where, held & ~flag);
}

void X11NativeWindow::handleKey(XKeyEvent& event, bool press) {
    const int modifier = x11Input::modifierFlagOfKey(XLookupKeysym(&event, 0));
    if (modifier) {
        // A drag reads the modifiers at every step: pressing Shift midway
        // changes its speed at once.
        if (frame.isTracking()) {
            int held = x11Input::buttonsFromState(event.state);
            held = press ? (held | modifier) : (held & ~modifier);
            frame.onMouseMoved(frame.pointerLocation(), held);
        }
        return;
    }
    KeyStroke key;
    if (!x11Input::toKeyStroke(event, key)) return;
    if (press)
        frame.onKeyDown(key);
    else
        frame.onKeyUp(key);
}
