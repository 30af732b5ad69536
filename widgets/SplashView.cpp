#include "widgets/SplashView.h"

#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"

SplashView::SplashView(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap,
                       const Rect& toDisplay, Point offset)
    : Control(r, listener, tag, bitmap), toDisplay(toDisplay), keepSize(r) {
    backOffset = offset;
}

void SplashView::draw(DrawContext& context) {
    if (value != 0.0f && background) {
        if (transparent)
            background->drawTransparent(context, size, backOffset);
        else
            background->draw(context, size, backOffset);
    }
    setDirty(false);
}

MouseResult SplashView::mouse(DrawContext& context, Point /*where*/) {
    if (!mouseEnabled || !(context.getMouseButtons() & kLButton) || !parent) return kMouseDone;
    if (value == 0.0f) {
        // Shown only if it can be the modal view; otherwise nothing changes.
        if (!parent->setModalView(this)) return kMouseDone;
        value = 1.0f;
        keepSize = size;
        setSize(toDisplay);
        setDirty();
        redrawIfDirty(context);
        report(context);
    } else {
        value = 0.0f;
        const Rect covered = size;
        setSize(keepSize);
        parent->setModalView(nullptr);
        parent->invalidate(covered);
        setDirty();
        report(context);
    }
    return kMouseDone;
}
