// How the frame hands out input: presses, drags, the wheel and keys.
#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"

void EditorFrame::dispatchEvents() {
    if (window) window->dispatchEvents();
}

View* EditorFrame::viewAt(Point where) const {
    for (auto it = views.rbegin(); it != views.rend(); ++it)
        if ((*it)->getMouseEnabled() && (*it)->hitTest(where)) return *it;
    return nullptr;
}

void EditorFrame::endTracking() {
    trackingView = nullptr;
    if (window) window->releasePointer();
}

void EditorFrame::onMouseDown(Point where, int held) {
    pointer = where;
    buttons = held;
    if (trackingView) {
        // Another button during a drag is one more step of it.
        if (!trackingView->trackMouse(*drawing, where)) endTracking();
        return;
    }
    View* target = nullptr;
    if (modalView) {
        // While a view is modal, presses anywhere else are swallowed.
        if (!modalView->hitTest(where)) return;
        target = modalView;
    } else {
        target = viewAt(where);
        // A press elsewhere takes the keyboard from the view that had it (and
        // so closes an open text field) before the press is handled.
        View* keeper = (target && target->wantsFocus()) ? target : nullptr;
        setFocusView(keeper);
    }
    if (!target) return;
    if (target->mouse(*drawing, where) == kMouseTracking && isChild(target)) {
        trackingView = target;
        if (window) window->grabPointer();
    }
    present();
}

void EditorFrame::onMouseMoved(Point where, int held) {
    pointer = where;
    buttons = held;
    if (trackingView) {
        if (!trackingView->trackMouse(*drawing, where)) endTracking();
    } else if (modalView) {
        modalView->mouseMoved(*drawing, where);
    }
    present();
}

void EditorFrame::onMouseUp(Point where, int held) {
    pointer = where;
    buttons = held;
    if (trackingView) {
        if (!trackingView->trackMouse(*drawing, where)) endTracking();
        // Every drag ends when the last button is let go.
        if (trackingView && !(held & kAnyMouseButton)) endTracking();
    } else if (modalView) {
        modalView->mouseUp(*drawing, where);
    }
    present();
}

bool EditorFrame::onWheel(Point where, float distance, int held) {
    pointer = where;
    // The wheel turns with no button held, whatever the pointer state said.
    buttons = held & ~kAnyMouseButton;
    if (trackingView) return false;
    View* target = modalView ? modalView : viewAt(where);
    const bool used = target && target->onWheel(*drawing, where, distance);
    present();
    return used;
}

bool EditorFrame::onKeyDown(KeyStroke& key) {
    if (trackingView) return false;
    View* target = modalView ? modalView : focusView;
    if (!target) return false;
    const int saved = buttons;
    buttons &= ~kAnyMouseButton;  // a key is never reported with a button held
    const bool used = target->onKeyDown(*drawing, key);
    buttons = saved;
    present();
    return used;
}

bool EditorFrame::onKeyUp(KeyStroke& key) {
    View* target = modalView ? modalView : focusView;
    return target && !trackingView && target->onKeyUp(*drawing, key);
}

void EditorFrame::onFocusLost() {
    if (!keyboardTaken) return;
    keyboardTaken = false;  // the keyboard has gone elsewhere already
    setFocusView(nullptr);
    present();
}
