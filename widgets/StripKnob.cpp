#include "widgets/StripKnob.h"

#include <cmath>
#include <numbers>

#include "widgets/FrameEditor.h"

namespace {

constexpr double kStartAngle = 5.0 * std::numbers::pi / 4.0;
constexpr double kRangeAngle = -3.0 * std::numbers::pi / 2.0;  // clockwise through 270 degrees
constexpr int kLinearKnobMode = 2;

}  // namespace

StripKnob::StripKnob(const Rect& r, ControlListener* listener, int tag, int subPixmaps,
                     int heightOfOneImage, Bitmap* bitmap, Point offset)
    : SteppedControl(r, listener, tag, bitmap), subPixmaps(subPixmaps), heightOfOneImage(heightOfOneImage) {
    backOffset = offset;
}

int StripKnob::imageIndex() const {
    if (value < 0.0f || heightOfOneImage <= 0 || subPixmaps < 1) return 0;
    const int row = static_cast<int>(value * (subPixmaps - 1) * heightOfOneImage);
    return row / heightOfOneImage;
}

void StripKnob::draw(DrawContext& context) { drawSubImage(context, imageIndex(), heightOfOneImage); }

float StripKnob::valueFromPoint(Point where) const {
    const double dx = where.h - size.width() / 2.0;
    const double dy = size.height() / 2.0 - where.v;
    double alpha = std::atan2(dy, dx);
    // Angles run from just below the end (-1/2 pi) round to just below the start.
    if (alpha < -std::numbers::pi / 2.0) alpha += 2.0 * std::numbers::pi;
    double v = (alpha - kStartAngle) / kRangeAngle;
    v = v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
    return static_cast<float>(vmin + v * (vmax - vmin));
}

MouseResult StripKnob::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled) return kMouseDone;
    if (handleSpecialPress(context, true)) return kMouseDone;
    const int buttons = context.getMouseButtons();
    const bool linearMode = FrameEditor::getKnobMode() == kLinearKnobMode;
    linear = linearMode != ((buttons & kAlt) != 0);
    firstPoint = where;
    entryValue = value;
    coef = (vmax - vmin) / rangeFor(buttons);
    lastButtons = buttons;
    previous = valueFromPoint(where.offset(-size.left, -size.top));
    lastWhere = {-1, -1};
    beginEdit();
    step(context, where, buttons);
    return kMouseTracking;
}

void StripKnob::step(DrawContext& context, Point where, int buttons) {
    if (where != lastWhere) {
        lastWhere = where;
        const float before = value;
        if (linear) {
            const int diff = (firstPoint.v - where.v) + (where.h - firstPoint.h);
            if (buttons != lastButtons) {
                // Shift changed: a new speed from here on, without a jump.
                const float newCoef = (vmax - vmin) / rangeFor(buttons);
                entryValue += diff * (coef - newCoef);
                coef = newCoef;
                lastButtons = buttons;
            }
            value = entryValue + diff * coef;
            bounceValue();
        } else {
            value = valueFromPoint(where.offset(-size.left, -size.top));
            // Crossing the gap at the bottom keeps the knob at the end it came from.
            const float half = (vmax - vmin) / 2.0f;
            if (value - previous > half)
                value = vmin;
            else if (previous - value > half)
                value = vmax;
            previous = value;
        }
        if (value != before) report(context);
    }
    doIdleStuff();
}

bool StripKnob::trackMouse(DrawContext& context, Point where) {
    const int buttons = context.getMouseButtons();
    step(context, where, buttons);
    if (buttons & kLButton) return true;
    endEdit();
    // One more report once no button is held: the knob was let go.
    if (!(context.getMouseButtons() & kAnyMouseButton)) report(context);
    return false;
}

void StripKnob::cancelTracking(DrawContext& /*context*/) { endEdit(); }
