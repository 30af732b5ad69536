// The Length and Offset knob: a body bitmap with a handle dot that runs
// clockwise through 270 degrees, drawn in another colour while touch
// recording is on. It turns only by a straight drag (up or right increases)
// whose speed depends on the modifiers; wheel and arrow keys leave it alone.
#pragma once

#include "widgets/Control.h"

class TouchKnob : public Control {
public:
    TouchKnob(const Rect& size, ControlListener* listener, int tag, Bitmap* body, Bitmap* handle,
              Bitmap* touchHandle, Point offset = {});
    ~TouchKnob() override;

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool trackMouse(DrawContext& context, Point where) override;
    void cancelTracking(DrawContext& context) override;

    virtual void setStartAngle(float angle);
    virtual float getStartAngle() const { return startAngle; }
    virtual void setRangeAngle(float angle);
    virtual float getRangeAngle() const { return rangeAngle; }
    // The handle's centre for the current value, relative to the top-left corner.
    virtual void valueToPoint(Point& point) const;
    // The value of a point (relative to the top-left corner) on the handle's circle.
    virtual float valueFromPoint(Point where) const;
    virtual void setInsetValue(int value) { inset = value; }
    virtual void setColorHandle(Color color) { colorHandle = color; }
    virtual void setColorShadowHandle(Color color) { colorShadowHandle = color; }
    virtual void setTouchMode(int mode);
    int getTouchMode() const { return touchMode; }
    int getInset() const { return inset; }

private:
    void compute();
    static float pixelsForFullRange(int buttons);

    Bitmap* handle;
    Bitmap* touchHandle;
    int touchMode = 0;
    int inset;
    Color colorHandle{127, 127, 127, 255};
    Color colorShadowHandle = kWhiteColor;
    float startAngle;
    float rangeAngle;
    float halfAngle = 0.0f;
    float aCoef = 0.0f;
    float bCoef = 0.0f;
    float radius;
    // The drag in progress.
    Point firstPoint;
    float entryValue = 0.0f;
    float coef = 0.0f;
    int lastButtons = 0;
};
