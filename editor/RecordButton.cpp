#include "editor/RecordButton.h"

RecordButton::RecordButton(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap)
    : ToggleButton(r, listener, tag, bitmap) {}

void RecordButton::setPending(float state) {
    pending = state;
    setDirty();
}

void RecordButton::draw(DrawContext& context) {
    if (background) {
        const int imageHeight = background->getHeight() / 4;
        const Point source{backOffset.h, backOffset.v + imageIndex() * imageHeight};
        if (transparent)
            background->drawTransparent(context, size, source);
        else
            background->draw(context, size, source);
    }
    setDirty(false);
}
