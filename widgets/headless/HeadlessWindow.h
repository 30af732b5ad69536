// A window with no screen: the frame draws into its picture as usual, and a
// test (or a tool making pictures of the panel) sends mouse, wheel and key
// events straight to the frame and reads or saves the picture.
#pragma once

#include "widgets/Color.h"
#include "widgets/platform/PlatformWindow.h"

class HeadlessWindow : public PlatformWindow {
public:
    void present(cairo_surface_t*, const Rect& area) override;
    void dispatchEvents() override {}
    void grabPointer() override { pointerGrabbed = true; }
    void releasePointer() override { pointerGrabbed = false; }
    void takeKeyboardFocus() override { keyboardFocused = true; }
    void releaseKeyboardFocus() override { keyboardFocused = false; }

    int presentCount = 0;
    Rect presentedArea;  // the union of every area shown so far
    bool pointerGrabbed = false;
    bool keyboardFocused = false;
};

// Ignores the parent handle: there is no screen to put a window on.
std::unique_ptr<PlatformWindow> createHeadlessWindow(EditorFrame& frame, ParentWindow parent, int width,
                                                    int height);

// The colour of one pixel of the frame's picture, and the picture as a PNG file.
Color pictureColorAt(EditorFrame& frame, Point where);
bool savePicture(EditorFrame& frame, const char* path);
