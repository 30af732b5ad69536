// Keeps X errors on our own connections from ending the host's process. Xlib
// has one error handler per process: ours is installed while any of our
// connections is open, swallows errors on those connections (remembering the
// last one) and passes every other error on to the handler it replaced.
#pragma once

#include <X11/Xlib.h>

namespace x11ErrorTrap {

// Installs the handler if needed and starts trapping errors of `display`.
void add(Display* display);
// Stops trapping `display` (call after XCloseDisplay: closing can still
// report errors) and puts the previous handler back when none is left.
void remove(Display* display);
// The error code of the last error trapped on `display` since the last
// call, or 0 (Success).
int takeLastError(Display* display);

}  // namespace x11ErrorTrap
