#include "editor/TouchSlider.h"

TouchSlider::TouchSlider(const Rect& r, ControlListener* listener, int tag, int minPos,
                         int maxPos, Bitmap* handleBitmap, Bitmap* touchHandleBitmap,
                         Bitmap* track, Point offset, int style)
    : HandleSlider(r, listener, tag, minPos, maxPos, handleBitmap, track, offset, style),
      normalHandle(handleBitmap),
      touchHandle(touchHandleBitmap) {
    if (normalHandle) normalHandle->remember();
    if (touchHandle) touchHandle->remember();
}

TouchSlider::~TouchSlider() {
    if (normalHandle) normalHandle->forget();
    if (touchHandle) touchHandle->forget();
}

void TouchSlider::setTouchMode(int mode) {
    touchMode = mode;
    // The touch handle only when both exist, so the slider never loses its handle.
    Bitmap* shown = (mode != 0 && touchHandle && normalHandle) ? touchHandle : normalHandle;
    if (shown != getHandle()) setHandle(shown);
    setDirty();
}
