#include "editor/RecordButton.h"

RecordButton::RecordButton(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap)
    : ToggleButton(r, listener, tag, bitmap) {}

void RecordButton::setPending(float state) {
    pending = state;
    setDirty();
}

void RecordButton::draw(DrawContext& context) {
    drawSubImage(context, imageIndex(), background ? background->getHeight() / 4 : 0);
}
