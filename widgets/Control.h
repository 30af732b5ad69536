// A view with a value the user changes: the base of every control kind. The
// value runs from minimum to maximum (0 to 1 unless set), and every user
// action is reported to the listener. A control is dirty, and is redrawn on
// the next idle pass, when its value differs from the one it last drew
// (oldValue) or when it was marked dirty.
#pragma once

#include "widgets/Bitmap.h"
#include "widgets/ControlListener.h"
#include "widgets/View.h"

class Control : public View {
public:
    Control(const Rect& size, ControlListener* listener, int tag, Bitmap* background = nullptr);

    // Lets the editor do its idle work during a drag.
    virtual void doIdleStuff();

    virtual void setValue(float newValue) { value = newValue; }
    virtual float getValue() const { return value; }
    virtual void setMin(float newMin) { vmin = newMin; }
    virtual float getMin() const { return vmin; }
    virtual void setMax(float newMax) { vmax = newMax; }
    virtual float getMax() const { return vmax; }
    virtual void setOldValue(float v) { oldValue = v; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setDefaultValue(float v) { defaultValue = v; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setTag(int newTag) { tag = newTag; }
    int getTag() const { return tag; }
    virtual void setBackground(Bitmap* bitmap);
    virtual Bitmap* getBackground() const { return background; }
    virtual void setBackOffset(Point offset) { backOffset = offset; }
    // The source offset becomes the control's own position, for a bitmap the
    // size of the panel.
    virtual void copyBackOffset() { backOffset = size.topLeft(); }
    Point getBackOffset() const { return backOffset; }
    virtual void setWheelInc(float increment) { wheelInc = increment; }
    virtual float getWheelInc() const { return wheelInc; }
    // Clamps the value to minimum ... maximum.
    virtual void bounceValue();

    bool isDirty() const override { return value != oldValue || View::isDirty(); }
    void setDirty(bool state = true) override;

    ControlListener* getListener() const { return listener; }
    void setListener(ControlListener* newListener) { listener = newListener; }

protected:
    ~Control() override;

    void report(DrawContext& context);
    // The drag bracket, reaching the host as begin and end of an edit.
    void beginEdit();
    void endEdit();
    // The press rules of the knobs, switches and sliders. A press without the
    // left button is reported at once and changes nothing (the editor uses it
    // to learn a controller); exactly left + Control jumps to the default value.
    // True when the press was one of these and is fully handled.
    bool handleSpecialPress(DrawContext& context, bool controlSetsDefault);
    // Draws sub-image `index` of the background strip (images stacked
    // vertically, `imageHeight` rows each), transparently if so set.
    void drawSubImage(DrawContext& context, int index, int imageHeight);

    ControlListener* listener;
    int tag;
    float oldValue = 1.0f;
    float defaultValue = 0.5f;
    float value = 0.0f;
    float vmin = 0.0f;
    float vmax = 1.0f;
    float wheelInc = 0.1f;
    int lastTicks = -1;
    int doubleClickDelay = 500;  // milliseconds; not used by the window's controls
    Bitmap* background;
    Point backOffset;
};
