// A knob drawn from a strip of images stacked vertically, one per position
// from minimum to maximum. It turns by dragging: in a straight line (up or
// right increases) or around its centre, by the host's knob mode; Alt
// swaps the two. The wheel and, once pressed, the arrow keys turn it too.
#pragma once

#include "widgets/MouseButtons.h"
#include "widgets/SteppedControl.h"

class StripKnob : public SteppedControl {
public:
    StripKnob(const Rect& size, ControlListener* listener, int tag, int subPixmaps,
              int heightOfOneImage, Bitmap* background, Point offset = {});

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool trackMouse(DrawContext& context, Point where) override;
    void cancelTracking(DrawContext& context) override;

    // The value of a point (relative to the knob's top-left corner) on the
    // circle from 5/4 pi (minimum, lower left) clockwise to -1/4 pi (maximum).
    float valueFromPoint(Point where) const;
    int imageIndex() const;

private:
    static constexpr float kLinearRange = 200.0f;  // pixels for the whole range
    static constexpr float kZoomFactor = 1.5f;     // with Shift

    void step(DrawContext& context, Point where, int buttons);
    float rangeFor(int buttons) const {
        return (buttons & kShift) ? kLinearRange * kZoomFactor : kLinearRange;
    }

    int subPixmaps;
    int heightOfOneImage;
    // The drag in progress.
    bool linear = false;
    Point firstPoint;
    Point lastWhere;
    float entryValue = 0.0f;
    float coef = 0.0f;
    float previous = 0.0f;  // circular: the value of the previous step
    int lastButtons = 0;
};
