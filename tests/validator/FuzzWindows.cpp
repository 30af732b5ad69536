#include "tests/validator/FuzzWindows.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace validator::fuzz {

namespace {

// Our own requests may meet windows the plug-in's teardown took with it; an
// error on our connection is no fault of the plug-in and must not end the
// walk (Xlib's default handler exits). The plug-in may install a handler of
// its own over this one and pass our errors on to it.
int ignoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

std::unique_ptr<HostWindows> HostWindows::connect() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    XSetErrorHandler(ignoreError);
    return std::unique_ptr<HostWindows>(new HostWindows(display));
}

HostWindows::HostWindows(_XDisplay* display)
    : display_(display), root_(DefaultRootWindow(display)), name_(DisplayString(display)) {}

HostWindows::~HostWindows() { XCloseDisplay(display_); }

uintptr_t HostWindows::create() {
    const Window window = XCreateSimpleWindow(display_, root_, 0, 0, 400, 400, 0, 0, 0);
    XSelectInput(display_, window, StructureNotifyMask);
    XMapWindow(display_, window);
    XSync(display_, False);
    return window;
}

void HostWindows::destroy(uintptr_t window) {
    XDestroyWindow(display_, window);
    XSync(display_, False);
    drain();
}

std::set<uintptr_t> HostWindows::shownTopLevel() {
    std::set<uintptr_t> windows;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, root_, &root, &parent, &children, &count)) return windows;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state != IsUnmapped)
            windows.insert(children[i]);
    }
    if (children) XFree(children);
    return windows;
}

void HostWindows::drain() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
    }
}

}  // namespace validator::fuzz
