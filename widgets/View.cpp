#include "widgets/View.h"

#include "widgets/EditorFrame.h"

View::View(const Rect& r) : size(r), mouseableArea(r) {}

View::~View() = default;

void View::forget() {
    if (--referenceCount <= 0) delete this;
}

void View::draw(DrawContext& /*context*/) { setDirty(false); }

MouseResult View::mouse(DrawContext& /*context*/, Point /*where*/) { return kMouseDone; }

bool View::trackMouse(DrawContext& /*context*/, Point /*where*/) { return false; }

void View::cancelTracking(DrawContext& /*context*/) {}

void View::mouseMoved(DrawContext& /*context*/, Point /*where*/) {}

void View::mouseUp(DrawContext& /*context*/, Point /*where*/) {}

bool View::onWheel(DrawContext& /*context*/, Point /*where*/, float /*distance*/) { return false; }

bool View::onKeyDown(DrawContext& /*context*/, KeyStroke& /*key*/) { return false; }

bool View::onKeyUp(DrawContext& /*context*/, KeyStroke& /*key*/) { return false; }

void View::redrawIfDirty(DrawContext& context) {
    if (!isDirty()) return;
    if (parent)
        parent->redrawView(this);
    else
        draw(context);
}

void View::setSize(const Rect& r) {
    size = r;
    mouseableArea = r;
}
