#include "widgets/Switches.h"

SwitchControl::SwitchControl(bool vertical, const Rect& r, ControlListener* listener, int tag,
                             int /*subPixmaps*/, int heightOfOneImage, int positions,
                             Bitmap* bitmap, Point offset)
    : Control(r, listener, tag, bitmap), vertical(vertical), heightOfOneImage(heightOfOneImage),
      positions(positions) {
    backOffset = offset;
}

int SwitchControl::imageIndex() const {
    if (positions < 2) return 0;
    return static_cast<int>((positions - 1) * value + 0.5f);
}

void SwitchControl::draw(DrawContext& context) {
    drawSubImage(context, imageIndex(), heightOfOneImage);
}

MouseResult SwitchControl::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled) return kMouseDone;
    if (handleSpecialPress(context, true)) return kMouseDone;
    entryButtons = context.getMouseButtons();
    beginEdit();
    step(context, where);
    return kMouseTracking;
}

void SwitchControl::step(DrawContext& context, Point where) {
    const float before = value;
    if (positions < 2) {
        value = 0.0f;
    } else {
        // Vertical zones split one image's height, horizontal ones the bitmap's
        // width (the control's own without a bitmap).
        int extent = vertical ? heightOfOneImage
                              : (background && background->getWidth() > 0 ? background->getWidth()
                                                                           : size.width());
        const double zone = static_cast<double>(extent) / positions;
        const int distance = vertical ? where.v - size.top : where.h - size.left;
        const long index = zone > 0.0 ? static_cast<long>(distance / zone) : 0;
        value = static_cast<float>(index) / static_cast<float>(positions - 1);
        if (value > 1.0f)
            value = 1.0f;
        else if (value < 0.0f)
            value = 0.0f;
    }
    if (value != before) report(context);
    doIdleStuff();
}

bool SwitchControl::trackMouse(DrawContext& context, Point where) {
    // The drag lasts while the same buttons stay held.
    if (context.getMouseButtons() != entryButtons) {
        endEdit();
        return false;
    }
    step(context, where);
    return true;
}

void SwitchControl::cancelTracking(DrawContext& /*context*/) { endEdit(); }
