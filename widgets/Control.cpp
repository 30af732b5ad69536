#include "widgets/Control.h"

#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"

Control::Control(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap)
    : View(r), listener(listener), tag(tag), background(bitmap) {
    if (background) background->remember();
}

Control::~Control() {
    if (background) background->forget();
}

void Control::doIdleStuff() {
    if (parent) parent->doIdleStuff();
}

void Control::setBackground(Bitmap* bitmap) {
    if (bitmap) bitmap->remember();
    if (background) background->forget();
    background = bitmap;
    setDirty();
}

void Control::bounceValue() {
    if (value > vmax)
        value = vmax;
    else if (value < vmin)
        value = vmin;
}

void Control::setDirty(bool state) {
    if (!state) oldValue = value;
    View::setDirty(state);
}

void Control::report(DrawContext& context) {
    if (listener) listener->valueChanged(context, this);
}

void Control::beginEdit() {
    if (parent) parent->beginEdit(tag);
}

void Control::endEdit() {
    if (parent) parent->endEdit(tag);
}

bool Control::handleSpecialPress(DrawContext& context, bool controlSetsDefault) {
    const int buttons = context.getMouseButtons();
    if (!(buttons & kLButton)) {
        report(context);
        return true;
    }
    if (controlSetsDefault && buttons == (kLButton | kControl)) {
        const float before = value;
        value = defaultValue;
        if (value != before) report(context);
        return true;
    }
    return false;
}

void Control::drawSubImage(DrawContext& context, int index, int imageHeight) {
    if (background) {
        const Point source{backOffset.h, backOffset.v + index * imageHeight};
        if (transparent)
            background->drawTransparent(context, size, source);
        else
            background->draw(context, size, source);
    }
    setDirty(false);
}
