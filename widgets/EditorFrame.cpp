#include "widgets/EditorFrame.h"

#include <algorithm>

#include "widgets/FrameEditor.h"
#include "widgets/headless/HeadlessWindow.h"

EditorFrame::EditorFrame(const Rect& r, ParentWindow parent, FrameEditor* editor,
                         PlatformWindowFactory factory)
    : size(r.moveTo({0, 0})), editor(editor),
      image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width(), size.height())),
      drawing(std::make_unique<DrawContext>(image, this)) {
    if (!factory) factory = editor ? editor->getWindowFactory() : createHeadlessWindow;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS)
        window = factory(*this, parent, size.width(), size.height());
}

EditorFrame::~EditorFrame() {
    if (trackingView) {
        // A drag cut short by closing still ends its edit for the host.
        View* tracked = trackingView;
        trackingView = nullptr;
        tracked->cancelTracking(*drawing);
    }
    releaseKeyboardFocus();
    focusView = nullptr;
    editView = nullptr;
    if (modalView && !isChild(modalView)) {
        View* overlay = modalView;
        modalView = nullptr;
        overlay->removed();
        overlay->forget();
    }
    modalView = nullptr;
    for (auto it = views.rbegin(); it != views.rend(); ++it) {
        (*it)->removed();
        (*it)->forget();
    }
    views.clear();
    if (background) background->forget();
    window.reset();
    drawing.reset();
    cairo_surface_destroy(image);
}

bool EditorFrame::addView(View* view) {
    if (!view || isChild(view)) return false;
    views.push_back(view);
    view->attached(this);
    view->setDirty(true);
    return true;
}

bool EditorFrame::removeView(View* view) {
    auto it = std::find(views.begin(), views.end(), view);
    if (it == views.end()) return false;
    views.erase(it);
    invalidate(view->getSize());
    forgetReferencesTo(view);
    view->removed();
    view->forget();
    return true;
}

void EditorFrame::forgetReferencesTo(View* view) {
    if (trackingView == view) endTracking();
    if (focusView == view) focusView = nullptr;
    if (editView == view) editView = nullptr;
    if (modalView == view) modalView = nullptr;
}

bool EditorFrame::isChild(const View* view) const {
    return std::find(views.begin(), views.end(), view) != views.end();
}

View* EditorFrame::getView(int index) const {
    return (index >= 0 && index < getNbViews()) ? views[index] : nullptr;
}

void EditorFrame::setBackground(Bitmap* bitmap) {
    if (bitmap) bitmap->remember();
    if (background) background->forget();
    background = bitmap;
    invalidate(size);
}

bool EditorFrame::setModalView(View* view) {
    if (view && modalView) return false;
    if (modalView) invalidate(modalView->getSize());
    modalView = view;
    if (view) invalidate(view->getSize());
    return true;
}

void EditorFrame::setFocusView(View* view) {
    if (view == focusView) return;
    View* previous = focusView;
    focusView = view;
    if (previous) previous->looseFocus(*drawing);
    if (view) view->takeFocus(*drawing);
}

void EditorFrame::paint(const Rect& area) {
    const Rect clipped = area.intersection(size);
    if (clipped.empty()) return;
    drawing->pushClip(clipped);
    if (background && background->isLoaded()) {
        background->draw(*drawing, size);
    } else {
        drawing->setFillColor(kBlackColor);
        drawing->fillRect(clipped);
    }
    for (View* view : views)
        if (view->getSize().intersects(clipped)) view->draw(*drawing);
    if (modalView && !isChild(modalView) && modalView->getSize().intersects(clipped))
        modalView->draw(*drawing);
    drawing->popClip();
    damage = damage.united(clipped);
}

void EditorFrame::present() {
    if (damage.empty()) return;
    cairo_surface_flush(image);
    if (window) window->present(image, damage);
    damage = {};
}

void EditorFrame::drawAll() {
    invalid = {};
    painted = true;
    paint(size);
}

void EditorFrame::invalidate(const Rect& area) { invalid = invalid.united(area.intersection(size)); }

void EditorFrame::onExposed(const Rect& area) {
    // The picture still holds what the window showed; it only needs showing again.
    damage = damage.united(area.intersection(size));
}

void EditorFrame::redrawView(View* view) {
    if (!painted) return;  // the first idle pass draws everything
    paint(view->getSize());
    present();
}

void EditorFrame::idle() {
    if (!painted) drawAll();
    if (!invalid.empty()) {
        const Rect area = invalid;
        invalid = {};
        paint(area);
    }
    for (View* view : views)
        if (view->isDirty()) paint(view->getSize());
    if (modalView && !isChild(modalView) && modalView->isDirty()) paint(modalView->getSize());
    present();
}

void EditorFrame::beginEdit(int tag) {
    if (editor) editor->beginEdit(tag);
}

void EditorFrame::endEdit(int tag) {
    if (editor) editor->endEdit(tag);
}

void EditorFrame::doIdleStuff() {
    if (editor)
        editor->doIdleStuff();
    else
        idle();
}

int EditorFrame::getKnobMode() const { return FrameEditor::getKnobMode(); }

void EditorFrame::takeKeyboardFocus() {
    if (window && !keyboardTaken) window->takeKeyboardFocus();
    keyboardTaken = true;
}

void EditorFrame::releaseKeyboardFocus() {
    if (window && keyboardTaken) window->releaseKeyboardFocus();
    keyboardTaken = false;
}
