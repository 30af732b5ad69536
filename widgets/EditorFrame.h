// The editor's window: a child of the host's window holding the views. It
// draws the background bitmap and then the views in the order they were
// added, gives a press to the modal view or else to the last added view under
// the pointer, keys to the view with the focus, and redraws dirty views when
// the editor idles. Drawing goes into a picture the size of the window, which
// the platform window shows.
#pragma once

#include <memory>
#include <vector>

#include "widgets/Bitmap.h"
#include "widgets/DrawContext.h"
#include "widgets/View.h"
#include "widgets/platform/PlatformWindow.h"

class FrameEditor;

class EditorFrame {
public:
    // `factory` makes the platform window; without one the editor's is used,
    // and without an editor the headless one.
    EditorFrame(const Rect& size, ParentWindow parent, FrameEditor* editor,
                PlatformWindowFactory factory = nullptr);
    ~EditorFrame();
    EditorFrame(const EditorFrame&) = delete;
    EditorFrame& operator=(const EditorFrame&) = delete;

    // False when no window could be made; such a frame must be discarded.
    bool isOpen() const { return window != nullptr; }

    // The frame takes over the caller's reference.
    bool addView(View* view);
    bool removeView(View* view);
    bool isChild(const View* view) const;
    int getNbViews() const { return static_cast<int>(views.size()); }
    View* getView(int index) const;

    void setBackground(Bitmap* bitmap);
    Bitmap* getBackground() const { return background; }
    // Succeeds only while no other modal view is set (null clears it). A modal
    // view that was not added is drawn above all others.
    bool setModalView(View* view);
    View* getModalView() const { return modalView; }
    void setFocusView(View* view);
    View* getFocusView() const { return focusView; }
    // The control whose menu or text field is open.
    void setEditView(View* view) { editView = view; }
    View* getEditView() const { return editView; }

    // Redraws every dirty view (and a full picture the first time) and shows
    // what changed.
    void idle();
    void redrawView(View* view);
    // Marks an area to be drawn anew on the next idle pass.
    void invalidate(const Rect& area);
    void drawAll();

    // Input from the platform window, or from a test.
    void dispatchEvents();
    void onMouseDown(Point where, int buttons);
    void onMouseMoved(Point where, int buttons);
    void onMouseUp(Point where, int buttons);
    bool onWheel(Point where, float distance, int buttons);
    bool onKeyDown(KeyStroke& key);
    bool onKeyUp(KeyStroke& key);
    // The window lost the keyboard or was exposed.
    void onFocusLost();
    void onExposed(const Rect& area);

    int pointerButtons() const { return buttons; }
    Point pointerLocation() const { return pointer; }
    bool isTracking() const { return trackingView != nullptr; }

    // Services for the controls.
    void beginEdit(int tag);
    void endEdit(int tag);
    void doIdleStuff();
    int getKnobMode() const;
    void takeKeyboardFocus();
    void releaseKeyboardFocus();

    FrameEditor* getEditor() const { return editor; }
    const Rect& getSize() const { return size; }
    cairo_surface_t* picture() const { return image; }
    DrawContext& context() { return *drawing; }
    PlatformWindow* platform() const { return window.get(); }

private:
    void paint(const Rect& area);
    void present();
    View* viewAt(Point where) const;
    void endTracking();
    void forgetReferencesTo(View* view);

    Rect size;
    FrameEditor* editor;
    cairo_surface_t* image;
    std::unique_ptr<DrawContext> drawing;
    std::unique_ptr<PlatformWindow> window;
    std::vector<View*> views;
    Bitmap* background = nullptr;
    View* modalView = nullptr;
    View* focusView = nullptr;
    View* editView = nullptr;
    View* trackingView = nullptr;
    Point pointer;
    int buttons = 0;
    bool painted = false;  // the whole picture has been drawn once
    Rect damage;           // drawn but not shown yet
    Rect invalid;          // to be drawn on the next idle pass
    bool keyboardTaken = false;
};
