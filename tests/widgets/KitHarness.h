// A headless editor for testing the kit: an editor with a headless frame
// that records the drags' begin and end, a listener that records every
// report, and the mouse and keys a user would use.
#pragma once

#include <memory>
#include <vector>

#include "widgets/Control.h"
#include "widgets/EditorFrame.h"
#include "widgets/FrameEditor.h"
#include "widgets/MouseButtons.h"

struct Report {
    int tag;
    float value;
    int buttons;  // what the context said was held at the report
};

// The ends of a drag as the editor hears of them.
enum EditCall { kBeginEdit, kEndEdit };

class RecordingListener : public ControlListener {
public:
    void valueChanged(DrawContext& context, Control* control) override {
        reports.push_back({control->getTag(), control->getValue(), context.getMouseButtons()});
    }
    std::vector<Report> reports;
};

class KitHarness {
public:
    explicit KitHarness(PlatformWindowFactory factory = nullptr, ParentWindow parent = 0);
    ~KitHarness();

    EditorFrame& frame() { return *editor->getFrame(); }
    DrawContext& context() { return frame().context(); }
    // Adds a view to the frame (which takes it over) and returns it.
    template <typename V>
    V* add(V* view) {
        frame().addView(view);
        return view;
    }

    void press(Point where, int buttons = kLButton) { frame().onMouseDown(where, buttons); }
    void move(Point where, int buttons = kLButton) { frame().onMouseMoved(where, buttons); }
    void release(Point where, int buttons = 0) { frame().onMouseUp(where, buttons); }
    void click(Point where, int buttons = kLButton) {
        press(where, buttons);
        release(where, buttons & ~kAnyMouseButton);
    }
    bool key(unsigned char virt, int character = 0, unsigned char modifier = 0);
    void type(const char* text);
    void idle() { editor->idle(); }

    RecordingListener listener;
    std::vector<EditCall> edits;  // the begin and end edits, in order
    std::unique_ptr<FrameEditor> editor;
};

// A bitmap of `images` stacked images of `width` x `imageHeight`, image i
// filled with colourOfImage(i).
Bitmap* makeStrip(int width, int imageHeight, int images);
Color colourOfImage(int index);
