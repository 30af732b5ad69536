#include "tests/widgets/X11Session.h"

#include <X11/extensions/XRes.h>
#include <X11/extensions/XTest.h>

XvfbServer& X11Session::server() {
    // One server for the whole test program, stopped when it ends.
    static XvfbServer instance;
    return instance;
}

X11Session::X11Session() {
    if (!server().running()) return;
    display = XOpenDisplay(server().displayName().c_str());
    if (!display) return;
    createHostWindow();
}

void X11Session::createHostWindow() {
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    hostWindow = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 400, 400, 0,
                               CopyFromParent, InputOutput, CopyFromParent, CWBackPixel, &attributes);
    XMapWindow(display, hostWindow);
    flush();
}

int X11Session::clientCount() {
    int count = 0;
    XResClient* clients = nullptr;
    if (!XResQueryClients(display, &count, &clients)) return -1;
    XFree(clients);
    return count;
}

long X11Session::resourceCount() {
    int count = 0;
    XResClient* clients = nullptr;
    if (!XResQueryClients(display, &count, &clients)) return -1;
    long total = 0;
    for (int i = 0; i < count; ++i) {
        int types = 0;
        XResType* held = nullptr;
        if (!XResQueryClientResources(display, clients[i].resource_base, &types, &held)) continue;
        for (int t = 0; t < types; ++t) total += held[t].count;
        XFree(held);
    }
    XFree(clients);
    return total;
}

X11Session::~X11Session() {
    if (!display) return;
    if (hostWindow) XDestroyWindow(display, hostWindow);
    XCloseDisplay(display);
}

void X11Session::flush() {
    // The second round trip starts only after the server has written out the
    // events that the first one's requests caused.
    XSync(display, False);
    XSync(display, False);
}

bool X11Session::pumpUntil(const std::function<void()>& step, const std::function<bool()>& done,
                           int limit) {
    for (int i = 0; i < limit; ++i) {
        flush();
        step();
        if (done()) return true;
    }
    return false;
}

void X11Session::movePointer(int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    flush();
}

void X11Session::button(unsigned int which, bool press) {
    XTestFakeButtonEvent(display, which, press ? True : False, CurrentTime);
    flush();
}

void X11Session::key(unsigned long keysym, bool press) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), press ? True : False, CurrentTime);
    flush();
}

void X11Session::typeText(const char* text) {
    for (const char* c = text; *c; ++c) {
        key(static_cast<unsigned char>(*c), true);
        key(static_cast<unsigned char>(*c), false);
    }
}

std::vector<Window> X11Session::childrenOf(Window window) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        list.assign(children, children + count);
        if (children) XFree(children);
    }
    return list;
}

void X11Session::destroyHostWindow() {
    XDestroyWindow(display, hostWindow);
    hostWindow = 0;
    flush();
}
