#include "widgets/HandleSlider.h"

#include "widgets/MouseButtons.h"

HandleSlider::HandleSlider(const Rect& r, ControlListener* listener, int tag, int minPosition,
                           int maxPosition, Bitmap* handleBitmap, Bitmap* bitmap, Point offset,
                           int /*style*/)
    : SteppedControl(r, listener, tag, bitmap), handle(handleBitmap),
      minPos(minPosition - r.left), rangeHandle(maxPosition - minPosition) {
    backOffset = offset;
    if (handle) handle->remember();
    widthOfHandle = (handle && handle->getWidth() > 0) ? handle->getWidth() : 1;
    heightOfHandle = (handle && handle->getHeight() > 0) ? handle->getHeight() : 1;
    if (rangeHandle <= 0) rangeHandle = 1;
}

HandleSlider::~HandleSlider() {
    if (handle) handle->forget();
}

void HandleSlider::setHandle(Bitmap* bitmap) {
    if (bitmap) bitmap->remember();
    if (handle) handle->forget();
    handle = bitmap;
    widthOfHandle = (handle && handle->getWidth() > 0) ? handle->getWidth() : 1;
    heightOfHandle = (handle && handle->getHeight() > 0) ? handle->getHeight() : 1;
    setDirty();
}

void HandleSlider::removed() {
    offscreen.reset();  // the picture exists only while the slider is shown
    Control::removed();
}

Rect HandleSlider::handleRect() const {
    const int smallest = offsetHandle.h + minPos;
    int left = offsetHandle.h + minPos + static_cast<int>(rangeHandle * value);
    if (left < smallest) left = smallest;
    if (left > smallest + rangeHandle) left = smallest + rangeHandle;
    return {left, offsetHandle.v, left + widthOfHandle, offsetHandle.v + heightOfHandle};
}

void HandleSlider::draw(DrawContext& context) {
    if (!offscreen) offscreen = std::make_unique<OffscreenImage>(size.width(), size.height());
    DrawContext& picture = offscreen->context();
    const Rect whole{0, 0, size.width(), size.height()};
    if (background) {
        if (transparent)
            background->drawTransparent(picture, whole, backOffset);
        else
            background->draw(picture, whole, backOffset);
    }
    if (handle) {
        if (drawTransparentHandle)
            handle->drawTransparent(picture, handleRect());
        else
            handle->draw(picture, handleRect());
    }
    offscreen->copyTo(context, size);
    setDirty(false);
}

MouseResult HandleSlider::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled) return kMouseDone;
    if (handleSpecialPress(context, true)) return kMouseDone;
    const int origin = size.left + offsetHandle.h + minPos;
    if (freeClick) {
        grabPoint = origin + widthOfHandle / 2 - 1;
    } else {
        const Rect onPanel = handleRect().offset(size.left, size.top);
        if (!onPanel.contains(where)) return kMouseDone;
        grabPoint = origin + (where.h - onPanel.left);
    }
    zoomBase = value;
    lastButtons = context.getMouseButtons();
    beginEdit();
    return trackMouse(context, where) ? kMouseTracking : kMouseDone;
}

bool HandleSlider::trackMouse(DrawContext& context, Point where) {
    const int buttons = context.getMouseButtons();
    if (!(buttons & kLButton)) {
        endEdit();
        return false;
    }
    // Shift going down (or any change while it is held) starts the slow
    // movement from the current value.
    if (buttons != lastButtons && (buttons & kShift)) {
        zoomBase = value;
        lastButtons = buttons;
    } else if (!(buttons & kShift)) {
        zoomBase = value;
    }
    const float before = value;
    float v = static_cast<float>(where.h - grabPoint) / static_cast<float>(rangeHandle);
    if (buttons & kShift) v = zoomBase + (v - zoomBase) / zoomFactor;
    value = v;
    bounceValue();
    if (value != before) report(context);
    doIdleStuff();
    return true;
}

void HandleSlider::cancelTracking(DrawContext& /*context*/) { endEdit(); }
