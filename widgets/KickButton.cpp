#include "widgets/KickButton.h"

#include "widgets/MouseButtons.h"

KickButton::KickButton(const Rect& r, ControlListener* listener, int tag, int imageHeight,
                       Bitmap* bitmap, Point offset)
    : Control(r, listener, tag, bitmap), imageHeight(imageHeight) {
    backOffset = offset;
}

void KickButton::draw(DrawContext& context) {
    drawSubImage(context, value != 0.0f ? 1 : 0, imageHeight);
}

MouseResult KickButton::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled) return kMouseDone;
    const int buttons = context.getMouseButtons();
    if (!(buttons & kLButton)) {
        report(context);
        return kMouseDone;
    }
    entryState = value;
    beginEdit();
    if (buttons == kLButton) {
        step(context, where);
        return kMouseTracking;
    }
    // With a modifier the button kicks once without tracking.
    value = value != 0.0f ? 0.0f : 1.0f;
    report(context);
    release(context);
    return kMouseDone;
}

void KickButton::step(DrawContext& context, Point where) {
    const float before = value;
    const float pressed = entryState != 0.0f ? 0.0f : 1.0f;
    value = size.contains(where) ? pressed : entryState;
    if (value != before) report(context);
    doIdleStuff();
}

bool KickButton::trackMouse(DrawContext& context, Point where) {
    // Held as long as exactly the left button is.
    if (context.getMouseButtons() != kLButton) {
        release(context);
        return false;
    }
    step(context, where);
    return true;
}

void KickButton::release(DrawContext& context) {
    value = 0.0f;
    report(context);
    endEdit();
}

void KickButton::cancelTracking(DrawContext& /*context*/) {
    value = 0.0f;
    endEdit();
}
