// The frame's window on X11: a child of the host's window, on a connection
// of its own, drawn with cairo and driven by the host's idle calls.
#pragma once

#include "widgets/platform/PlatformWindow.h"

// `parent` is the host's X11 window id; null when no window can be made
// there (no display, no such window).
std::unique_ptr<PlatformWindow> createX11Window(EditorFrame& frame, ParentWindow parent, int width,
                                               int height);
