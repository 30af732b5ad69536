#include "widgets/x11/X11NativeWindow.h"

#include <X11/Xutil.h>
#include <cairo-xlib.h>

#include <cstdint>

#include "widgets/x11/X11ErrorTrap.h"
#include "widgets/x11/X11Window.h"

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                            PointerMotionMask | KeyPressMask | KeyReleaseMask |
                            StructureNotifyMask | FocusChangeMask;

// An X resource id has 29 bits; Xlib would cut a larger handle down to 32 and
// so might find some other window.
constexpr uintptr_t kResourceIdBits = 0x1FFFFFFF;

}  // namespace

std::unique_ptr<PlatformWindow> createX11Window(EditorFrame& frame, ParentWindow parent, int width,
                                               int height) {
    if (parent == 0 || (parent & ~kResourceIdBits) != 0) return nullptr;
    auto window = std::make_unique<X11NativeWindow>(frame);
    if (!window->create(static_cast<Window>(parent), width, height))
        return nullptr;
    return window;
}

bool X11NativeWindow::create(Window parent, int width, int height) {
    display = XOpenDisplay(nullptr);
    if (!display) return false;
    x11ErrorTrap::add(display);

    // The host's window must exist (an error here is trapped) and must not be
    // the screen itself: a child of the root window is a top-level window of
    // its own, a second panel beside the host's.
    XWindowAttributes parentAttributes;
    if (!XGetWindowAttributes(display, parent, &parentAttributes)) return false;
    if (parentAttributes.root == parent) return false;

    XSetWindowAttributes attributes{};
    attributes.event_mask = kEventMask;
    attributes.background_pixmap = None;  // we paint every pixel ourselves
    window = XCreateWindow(display, parent, 0, 0, width, height, 0, CopyFromParent, InputOutput,
                           CopyFromParent, CWEventMask | CWBackPixmap, &attributes);
    if (XSizeHints* hints = XAllocSizeHints()) {
        hints->flags = PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
        XSetWMNormalHints(display, window, hints);
        XFree(hints);
    }
    XStoreName(display, window, "Window");
    XMapWindow(display, window);
    XSync(display, False);
    if (x11ErrorTrap::takeLastError(display) != Success) return false;

    XWindowAttributes own;
    if (!XGetWindowAttributes(display, window, &own)) return false;
    surface = cairo_xlib_surface_create(display, window, own.visual, width, height);
    return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
}

X11NativeWindow::~X11NativeWindow() {
    if (surface) {
        cairo_surface_finish(surface);
        cairo_surface_destroy(surface);
    }
    if (!display) return;
    releasePointer();
    releaseKeyboardFocus();
    // When the host destroyed its window first, ours went with it.
    if (window && !windowGone) XDestroyWindow(display, window);
    XSync(display, False);
    XCloseDisplay(display);
    x11ErrorTrap::remove(display);
}

void X11NativeWindow::present(cairo_surface_t* picture, const Rect& area) {
    if (!surface || windowGone || area.empty()) return;
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, area.left, area.top, area.width(), area.height());
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    XFlush(display);
}

void X11NativeWindow::grabPointer() {
    if (windowGone || pointerGrabbed) return;
    pointerGrabbed =
        XGrabPointer(display, window, False,
                     ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                     GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
}

void X11NativeWindow::releasePointer() {
    if (!pointerGrabbed) return;
    pointerGrabbed = false;
    XUngrabPointer(display, CurrentTime);
    XFlush(display);
}

void X11NativeWindow::takeKeyboardFocus() {
    if (windowGone || keyboardTaken) return;
    XGetInputFocus(display, &savedFocus, &savedRevert);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XFlush(display);
    keyboardTaken = true;
}

void X11NativeWindow::releaseKeyboardFocus() {
    if (!keyboardTaken) return;
    keyboardTaken = false;
    if (windowGone) return;
    Window current = 0;
    int revert = 0;
    XGetInputFocus(display, &current, &revert);
    // Give the keyboard back only if nobody else took it meanwhile.
    if (current == window) XSetInputFocus(display, savedFocus, savedRevert, CurrentTime);
    XFlush(display);
}
