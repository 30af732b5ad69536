#include "widgets/ToggleButton.h"

#include "widgets/MouseButtons.h"

ToggleButton::ToggleButton(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap)
    : Control(r, listener, tag, bitmap) {}

void ToggleButton::draw(DrawContext& context) {
    drawSubImage(context, value != 0.0f ? 1 : 0, background ? background->getHeight() / 2 : 0);
}

MouseResult ToggleButton::mouse(DrawContext& context, Point /*where*/) {
    if (!mouseEnabled) return kMouseDone;
    if (!(context.getMouseButtons() & kLButton)) {
        report(context);  // other buttons change nothing; the editor may learn from them
        return kMouseDone;
    }
    // One click is one gesture for the host: hosts in touch automation
    // write only between begin and end.
    beginEdit();
    value = static_cast<int>(value) != 0 ? 0.0f : 1.0f;
    doIdleStuff();
    report(context);
    endEdit();
    return kMouseDone;
}
