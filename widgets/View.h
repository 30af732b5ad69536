// Something drawn in the panel at a rectangle: the base of every control and
// of the kit's pop-up menus. Views are shared by reference count; the frame
// holds one reference to each view added to it and drops it when it goes.
#pragma once

#include "widgets/KeyStroke.h"
#include "widgets/DrawContext.h"
#include "widgets/Geometry.h"

class EditorFrame;

enum MouseResult : int {
    kMouseDone = 0,      // the press is handled
    kMouseTracking = 1,  // send every following pointer change to trackMouse
};

class View {
public:
    explicit View(const Rect& size);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void remember() { ++referenceCount; }
    void forget();

    virtual void draw(DrawContext& context);
    // A press; the buttons held are context.getMouseButtons().
    virtual MouseResult mouse(DrawContext& context, Point where);
    // One step of a drag that `mouse` started: called on every move and on
    // every change of buttons or modifiers until it answers false.
    virtual bool trackMouse(DrawContext& context, Point where);
    // The drag ends without a release (the window closes).
    virtual void cancelTracking(DrawContext& context);
    // Pointer moves and releases outside a drag reach only the modal view.
    virtual void mouseMoved(DrawContext& context, Point where);
    virtual void mouseUp(DrawContext& context, Point where);
    virtual bool onWheel(DrawContext& context, Point where, float distance);
    virtual bool onKeyDown(DrawContext& context, KeyStroke& key);
    virtual bool onKeyUp(DrawContext& context, KeyStroke& key);

    // Views that take keys once pressed; the frame gives them the focus.
    virtual bool wantsFocus() const { return false; }
    virtual void takeFocus(DrawContext& /*context*/) {}
    virtual void looseFocus(DrawContext& /*context*/) {}

    virtual bool isDirty() const { return dirty; }
    virtual void setDirty(bool state = true) { dirty = state; }
    // Draws the view now if it is dirty, with whatever lies under it.
    void redrawIfDirty(DrawContext& context);

    void setTransparency(bool state) { transparent = state; }
    bool getTransparency() const { return transparent; }
    void setMouseEnabled(bool state) { mouseEnabled = state; }
    bool getMouseEnabled() const { return mouseEnabled; }
    virtual bool hitTest(Point where) const { return mouseableArea.contains(where); }

    const Rect& getSize() const { return size; }
    void setSize(const Rect& r);
    const Rect& getMouseableArea() const { return mouseableArea; }
    void setMouseableArea(const Rect& r) { mouseableArea = r; }

    EditorFrame* getFrame() const { return parent; }
    virtual void attached(EditorFrame* frame) { parent = frame; }
    virtual void removed() { parent = nullptr; }

protected:
    virtual ~View();

    Rect size;
    Rect mouseableArea;
    EditorFrame* parent = nullptr;
    bool dirty = false;
    bool mouseEnabled = true;
    bool transparent = false;

private:
    int referenceCount = 1;
};
