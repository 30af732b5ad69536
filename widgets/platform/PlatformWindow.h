// What the frame needs from a window system: a place to show its picture,
// the events of that place, the pointer held during a drag, and the keyboard
// while a text field is open. X11 is the real one; the headless one has no
// screen, for tests and for pictures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>

#include "widgets/Geometry.h"

class EditorFrame;

class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;
    // Shows `area` of the frame's picture.
    virtual void present(cairo_surface_t* picture, const Rect& area) = 0;
    // Hands every pending event to the frame, without waiting for more.
    virtual void dispatchEvents() = 0;
    virtual void grabPointer() = 0;
    virtual void releasePointer() = 0;
    virtual void takeKeyboardFocus() = 0;
    virtual void releaseKeyboardFocus() = 0;
    // The window's own id as its parent's window system knows it (on X11 the
    // child window's id), for formats that hand it to the host (the LV2
    // UI's widget); 0 where there is no such window.
    virtual std::uintptr_t nativeHandle() const { return 0; }
};

// The host's window that ours is made inside, as a plain number: on X11 the
// window's id (every plug-in format hands it over as one, in a pointer or an
// integer). 0 is no window.
using ParentWindow = std::uintptr_t;

// Creates the window inside `parent`; null when that is not possible.
using PlatformWindowFactory = std::unique_ptr<PlatformWindow> (*)(EditorFrame& frame, ParentWindow parent,
                                                                 int width, int height);
